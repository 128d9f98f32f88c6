// A stand-in for the window in tests: a screen that keeps every element's state
// (view/kept_screen.h) and records the boxes shown, the file dialogs and the drags begun,
// and answers questions and file dialogs from queues of prepared answers.
#pragma once
#include <deque>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "view/display.h"
#include "view/kept_screen.h"
#include "view/screen.h"

namespace tessara::testing {
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
class FakeScreen final : public KeptScreen {
 public:
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
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    ImageElement &image = s.GateImage(i), &marker = s.NodeMarker(i);
    LabelElement& label = s.ValueLabel(i);
    LineElement& line = s.LinkLine(i);
    if (image.Visible())
      out << "image " << i << " at " << image.Left() << ',' << image.Top() << " picture "
          << image.GetPicture().kind << '/' << image.GetPicture().orientation << " name '"
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
    DrawCircuit(scene, fresh, highlight, showProblems);
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
