#include "editor/refusals.h"

#include <array>
#include <string_view>

#include "model/rows.h"

namespace tessara {
namespace {

constexpr const char* kContext = "Editor";

Phrase Title() { return Words(kContext, TESSARA_PHRASE("Editor", "Error")); }

struct RefusalBox {
  Refusal refusal;
  const char* prompt;
  MessageStyle style;
};

constexpr std::array<RefusalBox, 5> kBoxes = {{
    {Refusal::StartWithOutput, TESSARA_PHRASE("Editor", "Error: You must start with an output\r\n"),
     MessageStyle::Exclamation},
    {Refusal::FinishWithInput, TESSARA_PHRASE("Editor", "Error: You must finish with an input\r\n"),
     MessageStyle::Exclamation},
    {Refusal::ClickOnGates, TESSARA_PHRASE("Editor", "Error: Click on the gates"),
     MessageStyle::Stop},
    {Refusal::NoRoomForGate,
     TESSARA_PHRASE("Editor", "Error: The circuit has no room for another gate"),
     MessageStyle::Stop},
    {Refusal::NoRoomForLink,
     TESSARA_PHRASE("Editor", "Error: The circuit has no room for another link"),
     MessageStyle::Stop},
}};

// doing: a marked pattern with the path as %1 and the trouble as %2.
void RefuseFile(Screen& screen, const char* doing, const std::string& path,
                const FileError& error) {
  Phrase trouble = error.reason;
  if (error.line > 0) {
    trouble = Words(kContext, TESSARA_PHRASE("Editor", "line %1: %2"),
                    Name(std::to_string(error.line)), std::move(trouble));
  }
  screen.ShowMessage(Words(kContext, doing, Name(path), std::move(trouble)), Title(),
                     MessageStyle::Stop);
}

}  // namespace

void ShowRefusal(Screen& screen, Refusal refusal) {
  const RefusalBox& box = *FindRow(kBoxes, &RefusalBox::refusal, refusal);
  screen.ShowMessage(Words(kContext, box.prompt), Title(), box.style);
}

void RefuseOpen(Screen& screen, const std::string& path, const FileError& error) {
  RefuseFile(screen, TESSARA_PHRASE("Editor", "Cannot open \"%1\":\n%2"), path, error);
}

void RefuseSave(Screen& screen, const std::string& path, const FileError& error) {
  RefuseFile(screen, TESSARA_PHRASE("Editor", "Cannot save \"%1\":\n%2"), path, error);
}

}  // namespace tessara
