#include "editor/file_dialogs.h"

#include <algorithm>
#include <filesystem>
#include <span>
#include <string_view>

namespace tessara {
namespace {

namespace fs = std::filesystem;

constexpr const char* kContext = "Editor";

struct FileType {
  const char* description;  // marked in kContext
  std::string_view suffix;
};

constexpr FileType kCircuits[] = {{TESSARA_PHRASE("Editor", "Circuits"), ".cir"}};
constexpr FileType kPictures[] = {{TESSARA_PHRASE("Editor", "PNG picture"), ".png"},
                                  {TESSARA_PHRASE("Editor", "SVG picture"), ".svg"}};
// Filter 1, a PNG at twice the size, is for print and high-density screens.
constexpr FileType kCircuitPictures[] = {
    {TESSARA_PHRASE("Editor", "PNG picture"), ".png"},
    {TESSARA_PHRASE("Editor", "PNG picture, twice the size"), ".png"},
    {TESSARA_PHRASE("Editor", "SVG picture"), ".svg"},
    {TESSARA_PHRASE("Editor", "PDF document"), ".pdf"}};
constexpr FileType kValues[] = {{TESSARA_PHRASE("Editor", "Comma-separated values"), ".csv"}};

// By FilePurpose: the file types a dialog offers, and the ending of the name it makes
// from the circuit's ("" for circuits themselves).
struct PurposeFiles {
  std::span<const FileType> types;
  std::string_view ending;
};
constexpr PurposeFiles kPurposes[kFilePurposes] = {{kCircuits, ""},
                                                   {kPictures, "timeline.png"},
                                                   {kValues, "values.csv"},
                                                   {kCircuitPictures, "circuit.png"},
                                                   {kPictures, "picture.png"}};

// The filters of types, one after another.
Phrase Filters(std::span<const FileType> types) {
  Phrase filters = Name("");
  for (const FileType& type : types) {
    filters = Filled("%1%2", std::move(filters),
                     FileFilter(type.description, "*" + std::string(type.suffix)));
  }
  return filters;
}

FileChoice Offered(const Form& form, FilePurpose purpose) {
  const ChosenFile& last = form.chosen[static_cast<std::size_t>(purpose)];
  if (purpose == FilePurpose::Circuit) {
    return {last.path.empty() ? form.FilePath : last.path, last.filter};
  }
  if (!last.path.empty() && last.circuit == form.FilePath) return {last.path, last.filter};
  const fs::path circuit(form.FilePath);
  const fs::path folder =
      last.path.empty() ? circuit.parent_path() : fs::path(last.path).parent_path();
  const std::string_view ending = kPurposes[static_cast<std::size_t>(purpose)].ending;
  const std::string base = circuit.stem().string();
  return {
      (folder / (base.empty() ? std::string(ending) : base + "-" + std::string(ending))).string(),
      0};
}

void Remember(Form& form, FilePurpose purpose, const FileChoice& choice) {
  form.chosen[static_cast<std::size_t>(purpose)] = {choice.path, choice.filter, form.FilePath};
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

}  // namespace

Phrase FileFilter(const char* description, std::string_view patterns) {
  return Filled("%1 (%2)|%2|", Words(kContext, description), Name(std::string(patterns)));
}

Phrase AnyFileFilter() { return FileFilter(TESSARA_PHRASE("Editor", "All files"), "*"); }

std::string ChooseFileToOpen(Form& form, const std::string& offered) {
  const Phrase filters = Filled("%1%2", Filters(kCircuits), AnyFileFilter());
  const FileChoice choice = form.screen.ChooseFile(
      FileDialogMode::Open, filters, 0,
      offered.empty() ? Offered(form, FilePurpose::Circuit).path : offered, Phrase());
  if (!choice.path.empty() && offered.empty()) Remember(form, FilePurpose::Circuit, choice);
  return choice.path;
}

std::string ChooseFileToSave(Form& form, FilePurpose purpose) {
  const std::span<const FileType> types = kPurposes[static_cast<std::size_t>(purpose)].types;
  const Phrase filters = Filters(types);
  FileChoice offer = Offered(form, purpose);
  while (true) {
    FileChoice choice =
        form.screen.ChooseFile(FileDialogMode::Save, filters,
                               std::min(offer.filter, types.size() - 1), offer.path, Phrase());
    if (choice.path.empty()) return {};
    choice.filter = std::min(choice.filter, types.size() - 1);
    if (!fs::path(choice.path).has_extension()) choice.path += types[choice.filter].suffix;
    const Phrase question =
        Words(kContext, TESSARA_PHRASE("Editor", "%1 already exists. Replace it?"),
              Name(fs::path(choice.path).filename().string()));
    if (!Exists(choice.path) ||
        form.screen.Ask(question, Words(kContext, TESSARA_PHRASE("Editor", "Replace File")),
                        Choices::YesNo, Answer::No) == Answer::Yes) {
      Remember(form, purpose, choice);
      return choice.path;
    }
    offer = choice;
  }
}

}  // namespace tessara
