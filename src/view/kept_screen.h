// A screen with no window: every element keeps the state a refresh last gave it,
// starting as a real window does (elements hidden and manual, no problem marks, labels
// "0", "power up", caption "Tessara" unmarked, the arrow pointer). It shows no box, answers
// each question with its preferred answer, chooses no file and begins no drag; a screen
// that must do more overrides those four. Pictures drawn without a window refresh one,
// and the tests' stand-in for the window is one.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "view/screen.h"

namespace tessara {

// The visibility and place every element has.
template <typename Element>
struct KeptPlace : Element {
  void SetVisible(bool shown) override { visible = shown; }
  bool Visible() const override { return visible; }
  void SetLeft(float twips) override { left = twips; }
  float Left() const override { return left; }
  void SetTop(float twips) override { top = twips; }
  float Top() const override { return top; }
  bool visible = false;
  float left = 0, top = 0;
};
struct KeptImage final : KeptPlace<ImageElement> {
  void SetPicture(Picture shows) override { picture = shows; }
  Picture GetPicture() const override { return picture; }
  void SetDragMode(DragMode mode) override { drag = mode; }
  DragMode GetDragMode() const override { return drag; }
  void SetHighlight(bool on) override { highlight = on; }
  bool Highlighted() const override { return highlight; }
  void SetName(std::string_view shows) override { name = shows; }
  std::string Name() const override { return name; }
  void SetSpoken(const Spoken& said) override { spoken = said; }
  Spoken GetSpoken() const override { return spoken; }
  Picture picture;
  DragMode drag = DragMode::Manual;
  bool highlight = false;
  std::string name;
  Spoken spoken;
};
struct KeptMark final : KeptPlace<MarkElement> {
  void SetSize(float twips) override { size = twips; }
  float Size() const override { return size; }
  float size = 0;
};
struct KeptLabel final : KeptPlace<LabelElement> {
  void SetText(std::string_view shows) override { text = shows; }
  std::string Text() const override { return text; }
  std::string text = "0";
};
struct KeptLine final : LineElement {
  void SetVisible(bool shown) override { visible = shown; }
  bool Visible() const override { return visible; }
  void SetX1(float twips) override { x1 = twips; }
  float X1() const override { return x1; }
  void SetY1(float twips) override { y1 = twips; }
  float Y1() const override { return y1; }
  void SetX2(float twips) override { x2 = twips; }
  float X2() const override { return x2; }
  void SetY2(float twips) override { y2 = twips; }
  float Y2() const override { return y2; }
  void SetValue(LineValue carries) override { value = carries; }
  LineValue Value() const override { return value; }
  void SetHighlight(bool on) override { highlight = on; }
  bool Highlighted() const override { return highlight; }
  bool visible = false;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  LineValue value = LineValue::None;
  bool highlight = false;
};
struct KeptBorder final : BorderElement {
  void SetBorderStyle(int value) override { style = value; }
  int BorderStyle() const override { return style; }
  int style = 0;
};
struct KeptMarks final : MarksElement {
  void SetMarks(std::vector<ProblemMark> set) override { marks = std::move(set); }
  const std::vector<ProblemMark>& Marks() const override { return marks; }
  std::vector<ProblemMark> marks;
};

class KeptScreen : public Screen {
 public:
  ImageElement& GateImage(std::int16_t i) override { return images_.at(Slot(i)); }
  ImageElement& NodeMarker(std::int16_t i) override { return markers_.at(Slot(i)); }
  LabelElement& ValueLabel(std::int16_t i) override { return labels_.at(Slot(i)); }
  LineElement& LinkLine(std::int16_t i) override { return lines_.at(Slot(i)); }
  MarksElement& ProblemMarks() override { return marks_; }
  BorderElement& Palette(PaletteButton button) override {
    return borders_.at(static_cast<std::size_t>(button));
  }
  MarkElement& FocusMark() override { return focus_; }
  MarkElement& CrossHair() override { return cross_; }
  void SetCanvasSpoken(const Phrase& name) override { canvas_ = name; }
  Phrase CanvasSpoken() const override { return canvas_; }
  void SetPowerCaption(const Phrase& caption) override { powerCaption_ = caption; }
  Phrase PowerCaption() const override { return powerCaption_; }
  void SetCaption(const Phrase& caption) override { caption_ = caption; }
  Phrase Caption() const override { return caption_; }
  void SetModified(bool marked) override { modified = marked; }
  void SetDefaultPointer() override { toolPointer_.reset(); }
  void SetToolPointer(std::int32_t toolCode) override { toolPointer_ = toolCode; }
  // The code of the tool whose pointer shows, or nothing for the default arrow.
  std::optional<int> ToolPointer() const { return toolPointer_; }
  void ShowMessage(const Phrase&, const Phrase&, MessageStyle) override {}
  Answer Ask(const Phrase&, const Phrase&, Choices, Answer preferred) override { return preferred; }
  FileChoice ChooseFile(FileDialogMode, const Phrase&, std::size_t, const std::string&,
                        const Phrase&) override {
    return {};
  }
  void BeginDrag(DragSource) override {}

  bool modified = false;  // the caption's modified mark

 private:
  static std::size_t Slot(std::int16_t i) { return static_cast<std::size_t>(i); }
  std::array<KeptImage, kSlotCount> images_, markers_;
  std::array<KeptLabel, kSlotCount> labels_;
  std::array<KeptLine, kSlotCount> lines_;
  std::array<KeptBorder, kPaletteButtonCount> borders_;
  KeptMarks marks_;
  KeptMark focus_, cross_;
  Phrase canvas_;
  Phrase powerCaption_ = Name("power up"), caption_ = Name("Tessara");
  std::optional<int> toolPointer_;
};

}  // namespace tessara
