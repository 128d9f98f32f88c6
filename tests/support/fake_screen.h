// A stand-in for the window in tests: every element keeps the state a handler last gave
// it, starting as a real window does (elements hidden and manual, labels "0", "power up",
// caption "Tessara", the arrow pointer). It records the boxes shown, the file dialogs and
// the drags begun, and answers questions and file dialogs from queues of prepared answers.
#pragma once
#include <array>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "view/screen.h"

namespace tessara::testing {
struct ImageState {
  bool visible = false;
  Single left = 0, top = 0;
  Picture picture;
  DragMode drag = DragMode::Manual;
  bool operator==(const ImageState&) const = default;
};
struct LabelState {
  bool visible = false;
  Single left = 0, top = 0;
  std::string text = "0";
  bool operator==(const LabelState&) const = default;
};
struct LineState {
  bool visible = false;
  Single x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  LineValue value = LineValue::None;
  bool operator==(const LineState&) const = default;
};

// The visibility and place every element has, on its state s.
template <typename Element, typename State>
struct Placed : Element {
  void SetVisible(bool visible) override { s.visible = visible; }
  bool Visible() const override { return s.visible; }
  void SetLeft(Single twips) override { s.left = twips; }
  Single Left() const override { return s.left; }
  void SetTop(Single twips) override { s.top = twips; }
  Single Top() const override { return s.top; }
  State s;
};
struct FakeImage final : Placed<ImageElement, ImageState> {
  void SetPicture(Picture picture) override { s.picture = picture; }
  Picture GetPicture() const override { return s.picture; }
  void SetDragMode(DragMode mode) override { s.drag = mode; }
  DragMode GetDragMode() const override { return s.drag; }
  void SetSpoken(const Spoken& said) override { spoken = said; }
  Spoken GetSpoken() const override { return spoken; }
  Spoken spoken;
};
struct MarkState {
  bool visible = false;
  Single left = 0, top = 0, size = 0;
  bool operator==(const MarkState&) const = default;
};
struct FakeMark final : Placed<MarkElement, MarkState> {
  void SetSize(Single twips) override { s.size = twips; }
  Single Size() const override { return s.size; }
};
struct FakeLabel final : Placed<LabelElement, LabelState> {
  void SetText(std::string_view text) override { s.text = text; }
  std::string Text() const override { return s.text; }
};
struct FakeLine final : LineElement {
  void SetVisible(bool visible) override { s.visible = visible; }
  bool Visible() const override { return s.visible; }
  void SetX1(Single twips) override { s.x1 = twips; }
  Single X1() const override { return s.x1; }
  void SetY1(Single twips) override { s.y1 = twips; }
  Single Y1() const override { return s.y1; }
  void SetX2(Single twips) override { s.x2 = twips; }
  Single X2() const override { return s.x2; }
  void SetY2(Single twips) override { s.y2 = twips; }
  Single Y2() const override { return s.y2; }
  void SetValue(LineValue value) override { s.value = value; }
  LineValue Value() const override { return s.value; }
  LineState s;
};
struct FakeBorder final : BorderElement {
  void SetBorderStyle(int value) override { style = value; }
  int BorderStyle() const override { return style; }
  int style = 0;
};
struct Message {
  std::string prompt, title;
  MessageStyle style;
  bool operator==(const Message&) const = default;
};
struct FileRequest {
  FileDialogMode mode;
  std::string filter;
  bool operator==(const FileRequest&) const = default;
};
// Everything an element shows, for comparing one moment of the screen with another.
struct ElementsSnapshot {
  std::array<ImageState, kSlotCount> images, markers;
  std::array<LabelState, kSlotCount> labels;
  std::array<LineState, kSlotCount> lines;
  std::array<int, kPaletteButtonCount> borders;
  bool operator==(const ElementsSnapshot&) const = default;
};

class FakeScreen final : public Screen {
 public:
  ImageElement& ObjImage(Integer i) override { return images_.at(i); }
  ImageElement& buffer(Integer i) override { return markers_.at(i); }
  LabelElement& txtObjValue(Integer i) override { return labels_.at(i); }
  LineElement& LinkLine(Integer i) override { return lines_.at(i); }
  BorderElement& Palette(PaletteButton button) override { return borders_.at(std::size_t(button)); }
  MarkElement& FocusMark() override { return focus_; }
  MarkElement& CrossHair() override { return cross_; }
  void SetCanvasSpoken(const Phrase& name) override { canvas_ = name; }
  Phrase CanvasSpoken() const override { return canvas_; }
  void SetPowerCaption(std::string_view caption) override { power_caption_ = caption; }
  std::string PowerCaption() const override { return power_caption_; }
  void SetCaption(std::string_view caption) override { caption_ = caption; }
  std::string Caption() const override { return caption_; }
  void SetDefaultPointer() override { tool_pointer_.reset(); }
  void SetToolPointer(int iconCacheIndex) override { tool_pointer_ = iconCacheIndex; }
  // The IconCache index of the pointer shown, or nothing for the default arrow.
  std::optional<int> ToolPointer() const { return tool_pointer_; }
  void ShowMessage(std::string_view prompt, std::string_view title, MessageStyle style) override {
    messages.push_back({std::string(prompt), std::string(title), style});
  }
  Answer Ask(std::string_view prompt, std::string_view) override {
    questions.emplace_back(prompt);
    if (answers.empty()) return Answer::No;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::string ChooseFile(FileDialogMode mode, std::string_view filter) override {
    file_requests.push_back({mode, std::string(filter)});
    std::string answer = file_answers.empty() ? "" : file_answers.front();
    if (!file_answers.empty()) file_answers.pop_front();
    return answer;
  }
  void BeginDrag(DragSource source) override { drags.push_back(source); }
  ElementsSnapshot Snapshot() const {
    ElementsSnapshot snap;
    for (std::size_t i = 0; i < kSlotCount; ++i)
      std::tie(snap.images[i], snap.markers[i], snap.labels[i], snap.lines[i]) =
          std::tie(images_[i].s, markers_[i].s, labels_[i].s, lines_[i].s);
    for (std::size_t b = 0; b < kPaletteButtonCount; ++b) snap.borders[b] = borders_[b].style;
    return snap;
  }
  std::vector<Message> messages;
  std::vector<std::string> questions;
  std::deque<Answer> answers;            // what the next questions return ("No" when it runs dry)
  std::deque<std::string> file_answers;  // what the next dialogs return, in order
  std::vector<FileRequest> file_requests;
  std::vector<DragSource> drags;

 private:
  std::array<FakeImage, kSlotCount> images_, markers_;
  std::array<FakeLabel, kSlotCount> labels_;
  std::array<FakeLine, kSlotCount> lines_;
  std::array<FakeBorder, kPaletteButtonCount> borders_;
  FakeMark focus_, cross_;
  Phrase canvas_;
  std::string power_caption_ = "power up", caption_ = "Tessara";
  std::optional<int> tool_pointer_;
};
}  // namespace tessara::testing
