// A stand-in for the window in tests: every element keeps the state a handler last gave
// it, starting as a real window does (elements hidden and manual, no problem marks,
// labels "0", "power up", caption "Tessara" unmarked, the arrow pointer). It records the
// boxes shown, the file dialogs and the drags begun, and answers questions and file
// dialogs from queues of prepared answers.
#pragma once
#include <array>
#include <deque>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "view/display.h"
#include "view/screen.h"

namespace tessara::testing {
// The visibility and place every element has.
template <typename Element>
struct Placed : Element {
  void SetVisible(bool shown) override { visible = shown; }
  bool Visible() const override { return visible; }
  void SetLeft(Single twips) override { left = twips; }
  Single Left() const override { return left; }
  void SetTop(Single twips) override { top = twips; }
  Single Top() const override { return top; }
  bool visible = false;
  Single left = 0, top = 0;
};
struct FakeImage final : Placed<ImageElement> {
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
struct FakeMark final : Placed<MarkElement> {
  void SetSize(Single twips) override { size = twips; }
  Single Size() const override { return size; }
  Single size = 0;
};
struct FakeLabel final : Placed<LabelElement> {
  void SetText(std::string_view shows) override { text = shows; }
  std::string Text() const override { return text; }
  std::string text = "0";
};
struct FakeLine final : LineElement {
  void SetVisible(bool shown) override { visible = shown; }
  bool Visible() const override { return visible; }
  void SetX1(Single twips) override { x1 = twips; }
  Single X1() const override { return x1; }
  void SetY1(Single twips) override { y1 = twips; }
  Single Y1() const override { return y1; }
  void SetX2(Single twips) override { x2 = twips; }
  Single X2() const override { return x2; }
  void SetY2(Single twips) override { y2 = twips; }
  Single Y2() const override { return y2; }
  void SetValue(LineValue carries) override { value = carries; }
  LineValue Value() const override { return value; }
  void SetHighlight(bool on) override { highlight = on; }
  bool Highlighted() const override { return highlight; }
  bool visible = false;
  Single x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  LineValue value = LineValue::None;
  bool highlight = false;
};
struct FakeBorder final : BorderElement {
  void SetBorderStyle(int value) override { style = value; }
  int BorderStyle() const override { return style; }
  int style = 0;
};
struct FakeMarks final : MarksElement {
  void SetMarks(std::vector<ProblemMark> set) override { marks = std::move(set); }
  const std::vector<ProblemMark>& Marks() const override { return marks; }
  std::vector<ProblemMark> marks;
};
struct Message {
  std::string prompt, title;
  MessageStyle style;
  bool operator==(const Message&) const = default;
};
struct FileRequest {
  FileDialogMode mode;
  std::string filters;
  std::size_t filter = 0;
  std::string offered;
  std::string title;  // "" for the toolkit's own
  bool operator==(const FileRequest&) const = default;
};
class FakeScreen final : public Screen {
 public:
  ImageElement& ObjImage(Integer i) override { return images_.at(i); }
  ImageElement& buffer(Integer i) override { return markers_.at(i); }
  LabelElement& txtObjValue(Integer i) override { return labels_.at(i); }
  LineElement& LinkLine(Integer i) override { return lines_.at(i); }
  MarksElement& ProblemMarks() override { return marks_; }
  BorderElement& Palette(PaletteButton button) override { return borders_.at(std::size_t(button)); }
  MarkElement& FocusMark() override { return focus_; }
  MarkElement& CrossHair() override { return cross_; }
  void SetCanvasSpoken(const Phrase& name) override { canvas_ = name; }
  Phrase CanvasSpoken() const override { return canvas_; }
  void SetPowerCaption(const Phrase& caption) override { power_caption_ = caption; }
  Phrase PowerCaption() const override { return power_caption_; }
  void SetCaption(const Phrase& caption) override { caption_ = caption; }
  Phrase Caption() const override { return caption_; }
  void SetModified(bool marked) override { modified = marked; }
  void SetDefaultPointer() override { tool_pointer_.reset(); }
  void SetToolPointer(int iconCacheIndex) override { tool_pointer_ = iconCacheIndex; }
  // The IconCache index of the pointer shown, or nothing for the default arrow.
  std::optional<int> ToolPointer() const { return tool_pointer_; }
  // Messages, questions and filters are kept in English.
  void ShowMessage(const Phrase& prompt, const Phrase& title, MessageStyle style) override {
    messages.push_back({prompt.English(), title.English(), style});
  }
  Answer Ask(const Phrase& prompt, const Phrase&, Choices, Answer preferred) override {
    questions.push_back(prompt.English());
    preferred_answers.push_back(preferred);
    if (answers.empty()) return Answer::No;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  FileChoice ChooseFile(FileDialogMode mode, const Phrase& filters, std::size_t filter,
                        const std::string& offered, const Phrase& title) override {
    file_requests.push_back({mode, filters.English(), filter, offered, title.English()});
    FileChoice answer;
    if (!file_answers.empty()) answer.path = file_answers.front(), file_answers.pop_front();
    if (!filter_answers.empty()) answer.filter = filter_answers.front(), filter_answers.pop_front();
    return answer;
  }
  void BeginDrag(DragSource source) override { drags.push_back(source); }
  std::vector<Message> messages;
  std::vector<std::string> questions;
  std::vector<Answer> preferred_answers;   // each question's default
  std::deque<Answer> answers;              // what the next questions return ("No" when it runs dry)
  std::deque<std::string> file_answers;    // the paths the next dialogs return, in order
  std::deque<std::size_t> filter_answers;  // the filters chosen with them (0 when it runs dry)
  std::vector<FileRequest> file_requests;
  std::vector<DragSource> drags;
  bool modified = false;  // the caption's modified mark

 private:
  std::array<FakeImage, kSlotCount> images_, markers_;
  std::array<FakeLabel, kSlotCount> labels_;
  std::array<FakeLine, kSlotCount> lines_;
  std::array<FakeBorder, kPaletteButtonCount> borders_;
  FakeMarks marks_;
  FakeMark focus_, cross_;
  Phrase canvas_;
  Phrase power_caption_ = Name("power up"), caption_ = Name("Tessara");
  std::optional<int> tool_pointer_;
};

// What a screen reader hears of an element, to the end of its line.
inline std::string Said(const ImageElement& element) {
  const Spoken spoken = element.GetSpoken();
  return " says " + spoken.name.English() + (spoken.value ? *spoken.value ? " 1" : " 0" : "") +
         (spoken.focused ? " focused\n" : "\n");
}

// What a screen shows, one line per shown element with what a refresh writes on it
// (place, picture, name, text, ends, value, highlight, what it says), each problem mark,
// the keyboard's marks and what the canvas says; the palette's borders too when asked.
inline std::string Shown(Screen& s, bool palette) {
  std::ostringstream out;
  for (Integer i = 0; i < kSlotCount; ++i) {
    ImageElement &image = s.ObjImage(i), &marker = s.buffer(i);
    LabelElement& label = s.txtObjValue(i);
    LineElement& line = s.LinkLine(i);
    if (image.Visible())
      out << "image " << i << " at " << image.Left() << ',' << image.Top() << " picture "
          << int(image.GetPicture().store) << '/' << image.GetPicture().index << " name '"
          << image.Name() << "'" << (image.Highlighted() ? " highlighted" : "") << Said(image);
    if (marker.Visible())
      out << "marker " << i << " at " << marker.Left() << ',' << marker.Top()
          << (marker.Highlighted() ? " highlighted" : "") << Said(marker);
    if (label.Visible())
      out << "label " << i << " at " << label.Left() << ',' << label.Top() << ' ' << label.Text()
          << '\n';
    if (line.Visible())
      out << "line " << i << ' ' << line.X1() << ',' << line.Y1() << ' ' << line.X2() << ','
          << line.Y2() << " value " << int(line.Value())
          << (line.Highlighted() ? " highlighted" : "") << '\n';
  }
  for (const ProblemMark& mark : s.ProblemMarks().Marks())
    out << "mark " << int(mark.shape) << " at " << mark.left << ',' << mark.top << ' ' << mark.width
        << 'x' << mark.height << ' ' << mark.text.English() << '\n';
  for (MarkElement* mark : {&s.FocusMark(), &s.CrossHair()})
    if (mark->Visible())
      out << "keyboard mark at " << mark->Left() << ',' << mark->Top() << ' ' << mark->Size()
          << '\n';
  out << "canvas says " << s.CanvasSpoken().English() << '\n';
  for (int b = 0; palette && b < kPaletteButtonCount; ++b)
    out << "border " << s.Palette(PaletteButton(b)).BorderStyle();
  return out.str();
}

// Whether a screen shows what a full refresh of its scene shows on a fresh stand-in.
// File > New leaves the palette's borders to the next refresh: after AfterNew they are
// left out until the two agree again.
class RefreshCheck {
 public:
  void AfterNew() { palette_lags_ = true; }
  // Empty when they agree; else each line that one of them shows and the other not.
  std::string Faults(Screen& screen, const Scene& scene, const Highlight& highlight = {},
                     bool showProblems = true) {
    FakeScreen fresh;
    DisplayObjects(scene, fresh, highlight, showProblems);
    palette_lags_ = palette_lags_ && Shown(screen, true) != Shown(fresh, true);
    std::string faults;
    const auto lines = [](const std::string& text) {
      std::set<std::string> set;
      std::istringstream in(text);
      for (std::string line; std::getline(in, line);) set.insert(line);
      return set;
    };
    const auto shown = lines(Shown(screen, !palette_lags_));
    const auto refreshed = lines(Shown(fresh, !palette_lags_));
    for (const std::string& line : shown)
      if (!refreshed.contains(line)) faults += "shown, not refreshed: " + line + "\n";
    for (const std::string& line : refreshed)
      if (!shown.contains(line)) faults += "refreshed, not shown: " + line + "\n";
    return faults;
  }

 private:
  bool palette_lags_ = false;
};
}  // namespace tessara::testing
