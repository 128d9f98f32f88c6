#include "editor/expected_answer.h"

#include <filesystem>
#include <memory>

#include "editor/file_dialogs.h"
#include "editor/refusals.h"
#include "io/grading.h"
#include "io/table_text.h"

namespace tessara {
namespace {

constexpr const char* kContext = "Comparison";

// Reads the expected answer at path; false, after the error box, when it cannot be used.
bool Take(Form& form, const std::string& path) {
  ExpectedTable read = LoadExpected(path, WorkLimits{}, {});
  if (!read.answer) {
    RefuseOpen(form.screen, path, read.error);
    return false;
  }
  form.expected = std::make_shared<const ExpectedAnswer>(
      ExpectedAnswer{std::filesystem::path(path).filename().string(), std::move(*read.answer)});
  return true;
}

}  // namespace

void OnCompareWith(Form& form) {
  // Offers the answer a teacher hands out beside the circuit: NAME.expected.
  const std::string offered =
      form.FilePath.empty()
          ? std::string()
          : std::filesystem::path(form.FilePath).replace_extension(".expected").string();
  const Phrase filters = Filled(
      "%1%2", FileFilter(TESSARA_PHRASE("Editor", "Expected answers"), "*.expected;*.txt;*.cir"),
      AnyFileFilter());
  const std::string path =
      form.screen
          .ChooseFile(FileDialogMode::Open, filters, 0, offered,
                      Words(kContext, TESSARA_PHRASE("Comparison", "Compare With")))
          .path;
  if (!path.empty()) Take(form, path);
}

void OnClearExpected(Form& form) { form.expected.reset(); }

void TakeExpectedBeside(Form& form, const std::string& circuitPath) {
  const std::filesystem::path beside =
      std::filesystem::path(circuitPath).replace_extension(".expected");
  std::error_code error;
  if (std::filesystem::exists(beside, error)) Take(form, beside.string());
}

Phrase CheckedAgainst(const ExpectedAnswer& expected) {
  return Words(kContext, TESSARA_PHRASE("Comparison", "Checked against %1"), expected.name);
}

TableCheck CheckTable(const ExpectedAnswer& expected, const TruthTable& table) {
  TableCheck check;
  const auto* answer = std::get_if<TruthTable>(&expected.answer);
  if (!answer) {
    check.summary =
        Words(kContext,
              TESSARA_PHRASE("Comparison", "Checked in the Timeline: this answer is a sequence"));
    return check;
  }
  if (auto counts = CountsDiffer(answer->inputs, answer->outputs, table.inputs, table.outputs)) {
    check.summary = std::move(*counts);
    return check;
  }
  const Grade grade = GradeTable(*answer, table);
  check.rows.assign(table.rows.size(), {false, Words(kContext, TESSARA_PHRASE("Comparison", "✓"))});
  for (const RowDifference& difference : grade.differences) {
    check.rows[RowOf(difference.in)] = {
        true,
        Words(kContext, TESSARA_PHRASE("Comparison", "expected %1"), Spaced(difference.expected))};
  }
  Phrase rows = Name(std::to_string(table.rows.size()));
  if (grade.differences.empty()) {
    check.summary = Words(kContext, TESSARA_PHRASE("Comparison", "All %1 rows match"), rows);
  } else {
    check.summary = Counted(kContext, TESSARA_COUNTED("Comparison", "%n of %1 rows differ"),
                            static_cast<int>(grade.differences.size()), rows);
  }
  return check;
}

}  // namespace tessara
