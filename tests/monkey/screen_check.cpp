#include "screen_check.h"

#include <QApplication>

#include "app/twips.h"
#include "fake_screen.h"
#include "faults.h"
#include "view/display.h"
#include "window_probe.h"

namespace tessara::app {
namespace {

// What an element shows, as its Screen getters tell: its place in twips (a line's two
// ends) and its picture or text.
struct Shown {
  bool visible;
  std::vector<Single> at;
  std::string look;
};

Shown Of(const ImageElement& e) {
  const Picture p = e.GetPicture();
  return {e.Visible(), {e.Left(), e.Top()},
          "picture " + std::to_string(static_cast<int>(p.store)) + "/" + std::to_string(p.index)};
}
Shown Of(const LabelElement& e) { return {e.Visible(), {e.Left(), e.Top()}, e.Text()}; }
Shown Of(const LineElement& e) { return {e.Visible(), {e.X1(), e.Y1(), e.X2(), e.Y2()}, "line"}; }

std::ostream& operator<<(std::ostream& out, const Shown& s) {
  for (Single t : s.at) out << t << ' ';
  return out << "twips, " << s.look;
}

// A full refresh on a stand-in that starts with every element hidden, the rest as the
// window's elements stand: what a refresh leaves as it was (a picture or a place for
// an orientation only a file can hold) then compares as it stands.
testing::FakeScreen Refreshed(const Document& doc, Screen& window) {
  testing::FakeScreen oracle;
  for (Integer i = 0; i < kSlotCount; ++i) {
    for (auto pool : {&Screen::ObjImage, &Screen::buffer}) {
      const ImageElement& e = (window.*pool)(i);
      auto& copy = static_cast<testing::FakeImage&>((oracle.*pool)(i));
      copy.s = {false, e.Left(), e.Top(), e.GetPicture()};
    }
    const LabelElement& label = window.txtObjValue(i);
    static_cast<testing::FakeLabel&>(oracle.txtObjValue(i)).s = {false, label.Left(), label.Top()};
    const LineElement& l = window.LinkLine(i);
    static_cast<testing::FakeLine&>(oracle.LinkLine(i)).s = {false, l.X1(), l.Y1(), l.X2(), l.Y2()};
  }
  DisplayObjects(doc, oracle);
  return oracle;
}

// An element shown or hidden alike by its getter, its widget (lines have none) and the
// refresh; when shown, what its getters tell as the refresh left it, its widget at
// the nearest pixel, a label's widget with the refresh's text.
template <typename Element>
void Compare(Faults& f, const char* pool, Integer i, const Element& got, const Element& want,
             const QWidget* widget) {
  const Shown g = Of(got), w = Of(want);
  const bool seen = widget ? widget->isVisible() : g.visible;
  if (g.visible != w.visible || seen != w.visible) {
    return f.Add(pool, '(', i, ") should be ", w.visible ? "shown" : "hidden",
                 ", the element says ", g.visible ? "shown" : "hidden", ", its widget is ",
                 seen ? "shown" : "hidden");
  }
  if (!w.visible) return;  // a hidden element's last values are history
  f.Expect(g.at == w.at && g.look == w.look, pool, '(', i, ") shows ", g, "; the refresh ", w);
  if (!widget) return;
  const QPoint pixel = TwipsPoint(w.at[0], w.at[1]);
  f.Expect(widget->pos() == pixel, pool, '(', i, ") widget at ", widget->pos(), " px, not ", pixel);
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    f.Expect(label->text().toStdString() == w.look, pool, '(', i, ") widget reads \"",
             label->text().toStdString(), "\", not \"", w.look, '"');
  }
}

}  // namespace

PaletteBorders Borders(Screen& screen) {
  PaletteBorders borders{};
  for (int b = 0; b < kPaletteButtonCount; ++b) {
    const auto button = static_cast<PaletteButton>(b);
    borders[static_cast<std::size_t>(b)] = screen.Palette(button).BorderStyle();
  }
  return borders;
}

std::vector<std::string> CheckModel(const Form& form) {
  Faults f;
  for (Integer i = 0; i < kSlotCount; ++i) {
    const gate& g = form.doc.Gates(i);
    const Long kind = g.GetType();
    f.Expect(kind == kNoGate || (kind >= kAndGate && kind <= kXorGate), "gate slot ", i,
             " holds kind ", kind);
    f.Expect(!g.GetUsed() || kind != kNoGate, "gate slot ", i, " is used but empty");
    const linkgates& link = form.doc.Links(i);
    f.Expect(!link.GetUsed() || (IsSlotIndex(link.StartIndex) && IsSlotIndex(link.StopIndex) &&
                                 link.Stop_Num >= 0 && link.Stop_Num <= 2),
             "link slot ", i, " runs from slot ", link.StartIndex, " to input ", link.Stop_Num,
             " of slot ", link.StopIndex);
  }
  f.Expect(form.LinkStarted == 0 || form.LinkStarted == 1, "LinkStarted is ", form.LinkStarted);
  f.Expect(IsSlotIndex(form.CurrentLink), "CurrentLink is ", form.CurrentLink);
  return f.list;
}

std::vector<std::string> CheckScreen(const Form& form, const WindowProbe& probe,
                                     std::optional<PaletteBorders>& lagging) {
  Faults f;
  Screen& window = probe.window;
  testing::FakeScreen oracle = Refreshed(form.doc, window);
  for (Integer i = 0; i < kSlotCount; ++i) {
    Compare(f, "ObjImage", i, window.ObjImage(i), oracle.ObjImage(i), probe.Image(i));
    Compare(f, "buffer", i, window.buffer(i), oracle.buffer(i), probe.Marker(i));
    Compare(f, "txtObjValue", i, window.txtObjValue(i), oracle.txtObjValue(i), probe.Value(i));
    Compare(f, "LinkLine", i, window.LinkLine(i), oracle.LinkLine(i), nullptr);
  }
  const PaletteBorders borders = Borders(window);
  if (borders == Borders(oracle)) lagging.reset();
  if (borders != Borders(oracle) && borders != lagging) {
    std::ostringstream styles;
    for (int style : borders) styles << ' ' << style;
    f.Add("palette borders {", styles.str(), " } for tool ", form.doc.CurrentTool);
  }
  const std::string caption = probe.power->text().toStdString();
  f.Expect((caption == "Power Down") == form.doc.PowerOn && caption == window.PowerCaption(),
           "the Power button reads \"", caption, "\" while power is ",
           form.doc.PowerOn ? "on" : "off");
  f.Expect(!probe.dragOutline->isVisible(), "a drag outline is left on screen");
  f.Expect(!QApplication::activePopupWidget(), "a menu is left open");
  f.Expect(!QApplication::activeModalWidget(), "a modal window is left open");
  return f.list;
}

}  // namespace tessara::app
