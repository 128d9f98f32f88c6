#include "editor/refusals.h"

#include <array>
#include <string_view>

#include "model/rows.h"

namespace tessara {
namespace {

constexpr std::string_view kTitle = "Error";

struct RefusalBox {
  Refusal refusal;
  std::string_view prompt;
  MessageStyle style;
};

constexpr std::array<RefusalBox, 5> kBoxes = {{
    {Refusal::StartWithOutput, "Error: You must start with an output\r\n",
     MessageStyle::Exclamation},
    {Refusal::FinishWithInput, "Error: You must finish with an input\r\n",
     MessageStyle::Exclamation},
    {Refusal::ClickOnGates, "Error: Click on the gates", MessageStyle::Stop},
    {Refusal::NoRoomForGate, "Error: The circuit has no room for another gate", MessageStyle::Stop},
    {Refusal::NoRoomForLink, "Error: The circuit has no room for another link", MessageStyle::Stop},
}};

void RefuseFile(Screen& screen, std::string_view doing, const std::string& path,
                const FileError& error) {
  std::string prompt = std::string(doing) + " \"" + path + "\":\n";
  if (error.line > 0) prompt += "line " + std::to_string(error.line) + ": ";
  prompt += error.reason;
  screen.ShowMessage(prompt, kTitle, MessageStyle::Stop);
}

}  // namespace

void ShowRefusal(Screen& screen, Refusal refusal) {
  const RefusalBox& box = *FindRow(kBoxes, &RefusalBox::refusal, refusal);
  screen.ShowMessage(box.prompt, kTitle, box.style);
}

void RefuseOpen(Screen& screen, const std::string& path, const FileError& error) {
  RefuseFile(screen, "Cannot open", path, error);
}

void RefuseSave(Screen& screen, const std::string& path, const FileError& error) {
  RefuseFile(screen, "Cannot save", path, error);
}

}  // namespace tessara
