#include "grade_reports.h"

#include <pugixml.hpp>

#include "io/table_text.h"

namespace tessara::tool {
namespace {

std::string Result(Verdict verdict) {
  switch (verdict) {
    case Verdict::Same:
      return "same";
    case Verdict::Differ:
      return "differ";
    case Verdict::Failed:
      break;
  }
  return "failed";
}

// path on one line: a backslash doubled, a control character as "\n", "\r", "\t" or
// "\xHH".
std::string OneLine(const std::string& path) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string line;
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      line += "\\\\";
    } else if (c == '\n' || c == '\r' || c == '\t') {
      line += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
    } else if (byte < 0x20 || byte == 0x7f) {
      line += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
    } else {
      line += c;
    }
  }
  return line;
}

// "a/bob.cir: 3 of 8 rows differ" per file, then "5 files: 1 same, 2 differ, 2 failed".
class TextReport : public GradeReport {
 public:
  explicit TextReport(std::ostream& out) : out_(out) {}
  void Add(const std::string& path, const Grade& grade) override {
    out_ << OneLine(path) << ": " << Outcome(grade) << '\n';
  }
  void Finish(const Tally& tally) override {
    out_ << tally.files << (tally.files == 1 ? " file: " : " files: ") << tally.same << " same, "
         << tally.differ << " differ, " << tally.failed << " failed\n";
  }

 private:
  std::ostream& out_;
};

// One object {"tessara", "expected", "files": [...], "summary"}, written a file at a time.
class JsonReport : public GradeReport {
 public:
  JsonReport(const std::string& expected, std::ostream& out) : out_(out) {
    const std::string head = Dump(Json{{"tessara", kJsonFormat}, {"expected", expected}});
    out_ << head.substr(0, head.size() - 1) << ",\"files\":[";
  }
  void Add(const std::string& path, const Grade& grade) override {
    out_ << (first_ ? "" : ",") << Dump(GradeJson(path, grade));
    first_ = false;
  }
  void Finish(const Tally& tally) override {
    out_ << "],\"summary\":"
         << Dump(Json{{"files", tally.files},
                      {"same", tally.same},
                      {"differ", tally.differ},
                      {"failed", tally.failed}})
         << "}\n";
  }

 private:
  std::ostream& out_;
  bool first_ = true;
};

// A testsuite "tessara grade" with a testcase per file: a failure for one that
// differs, an error for one that failed.
class JUnitReport : public GradeReport {
 public:
  explicit JUnitReport(std::ostream& out) : out_(out) {
    pugi::xml_node declaration = document_.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    suite_ = document_.append_child("testsuite");
    suite_.append_attribute("name") = kSuite;
  }
  void Add(const std::string& path, const Grade& grade) override {
    pugi::xml_node test = suite_.append_child("testcase");
    test.append_attribute("name") = ValidXml(path).c_str();
    test.append_attribute("classname") = kSuite;
    if (grade.verdict == Verdict::Same) return;
    pugi::xml_node problem =
        test.append_child(grade.verdict == Verdict::Differ ? "failure" : "error");
    problem.append_attribute("message") = ValidXml(Outcome(grade)).c_str();
    std::string rows;
    for (const RowDifference& difference : grade.differences) {
      rows += DifferenceLine(difference) + '\n';
    }
    if (!rows.empty()) problem.text() = rows.c_str();
  }
  void Finish(const Tally& tally) override {
    suite_.append_attribute("tests") = tally.files;
    suite_.append_attribute("failures") = tally.differ;
    suite_.append_attribute("errors") = tally.failed;
    document_.save(out_, "  ", pugi::format_default, pugi::encoding_utf8);
  }

 private:
  static constexpr const char* kSuite = "tessara grade";

  // text as XML 1.0 may hold it: valid UTF-8, no control character but tab, LF and CR.
  static std::string ValidXml(const std::string& text) {
    std::string valid = ValidUtf8(text);
    for (std::size_t i = 0; i < valid.size(); ++i) {
      const auto byte = static_cast<unsigned char>(valid[i]);
      if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') {
        valid.replace(i, 1, "\xEF\xBF\xBD");
      }
    }
    return valid;
  }

  std::ostream& out_;
  pugi::xml_document document_;
  pugi::xml_node suite_;
};

}  // namespace

std::string DifferenceLine(const RowDifference& difference) {
  const std::string row = difference.row > 0 ? std::to_string(difference.row) + " (step " +
                                                   std::to_string(difference.step) + ")"
                                             : Spaced(difference.in);
  return "row " + row + ": expected " + Spaced(difference.expected) + ", got " +
         Spaced(difference.got);
}

std::string Outcome(const Grade& grade) {
  if (grade.verdict == Verdict::Same) return "same";
  if (!grade.reason.empty()) return grade.reason;
  return std::to_string(grade.differences.size()) + " of " + std::to_string(grade.rows) +
         " rows differ";
}

Json GradeJson(const std::string& path, const Grade& grade) {
  const bool compared = grade.rows > 0;
  Json diffs = Json::array();
  for (const RowDifference& difference : grade.differences) {
    Json diff{{"in", difference.in}, {"expected", difference.expected}, {"got", difference.got}};
    if (difference.row > 0) {
      diff = {{"row", difference.row},
              {"step", difference.step},
              {"in", difference.in},
              {"expected", difference.expected},
              {"got", difference.got}};
    }
    diffs.push_back(std::move(diff));
  }
  return {{"file", path},
          {"result", Result(grade.verdict)},
          {"rows", compared ? Json(grade.rows) : Json()},
          {"differ", compared ? Json(grade.differences.size()) : Json()},
          {"diffs", diffs},
          {"reason", grade.reason.empty() ? Json() : Json(grade.reason)}};
}

void Tally::Count(const Grade& grade) {
  ++files;
  same += grade.verdict == Verdict::Same ? 1 : 0;
  differ += grade.verdict == Verdict::Differ ? 1 : 0;
  failed += grade.verdict == Verdict::Failed ? 1 : 0;
}

std::unique_ptr<GradeReport> MakeReport(ReportFormat format, const std::string& expected,
                                        std::ostream& out) {
  switch (format) {
    case ReportFormat::JsonObject:
      return std::make_unique<JsonReport>(expected, out);
    case ReportFormat::JUnit:
      return std::make_unique<JUnitReport>(out);
    case ReportFormat::Text:
      break;
  }
  return std::make_unique<TextReport>(out);
}

}  // namespace tessara::tool
