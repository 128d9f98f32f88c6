#include "picture/picture_file.h"

#include <QGuiApplication>
#include <array>
#include <memory>

#include "picture/circuit_picture.h"
#include "view/display.h"

namespace tessara {
namespace {

// Elements that keep what they are given, for a refresh drawn without a window.
struct KeptImage : ImageElement {
  void SetVisible(bool v) override { visible = v; }
  bool Visible() const override { return visible; }
  void SetLeft(Single t) override { left = t; }
  void SetTop(Single t) override { top = t; }
  Single Left() const override { return left; }
  Single Top() const override { return top; }
  void SetPicture(Picture p) override { picture = p; }
  Picture GetPicture() const override { return picture; }
  void SetDragMode(DragMode) override {}
  DragMode GetDragMode() const override { return DragMode::Manual; }
  void SetHighlight(bool on) override { highlighted = on; }
  bool Highlighted() const override { return highlighted; }
  void SetName(std::string_view n) override { name = n; }
  std::string Name() const override { return name; }
  void SetSpoken(const Spoken&) override {}
  Spoken GetSpoken() const override { return {}; }
  bool visible = false, highlighted = false;
  Single left = 0, top = 0;
  Picture picture;
  std::string name;
};

struct KeptLabel : LabelElement {
  void SetVisible(bool v) override { visible = v; }
  bool Visible() const override { return visible; }
  void SetLeft(Single t) override { left = t; }
  void SetTop(Single t) override { top = t; }
  Single Left() const override { return left; }
  Single Top() const override { return top; }
  void SetText(std::string_view t) override { text = t; }
  std::string Text() const override { return text; }
  bool visible = false;
  Single left = 0, top = 0;
  std::string text = "0";
};

struct KeptLine : LineElement {
  void SetVisible(bool v) override { visible = v; }
  bool Visible() const override { return visible; }
  void SetX1(Single t) override { x1 = t; }
  void SetY1(Single t) override { y1 = t; }
  void SetX2(Single t) override { x2 = t; }
  void SetY2(Single t) override { y2 = t; }
  Single X1() const override { return x1; }
  Single Y1() const override { return y1; }
  Single X2() const override { return x2; }
  Single Y2() const override { return y2; }
  void SetValue(LineValue v) override { value = v; }
  LineValue Value() const override { return value; }
  void SetHighlight(bool on) override { highlighted = on; }
  bool Highlighted() const override { return highlighted; }
  bool visible = false, highlighted = false;
  Single x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  LineValue value = LineValue::None;
};

struct KeptMarks : MarksElement {
  void SetMarks(std::vector<ProblemMark> m) override { marks = std::move(m); }
  const std::vector<ProblemMark>& Marks() const override { return marks; }
  std::vector<ProblemMark> marks;
};

struct KeptBorder : BorderElement {
  void SetBorderStyle(int s) override { style = s; }
  int BorderStyle() const override { return style; }
  int style = 0;
};

struct KeptMark : MarkElement {
  void SetVisible(bool v) override { visible = v; }
  bool Visible() const override { return visible; }
  void SetLeft(Single t) override { left = t; }
  void SetTop(Single t) override { top = t; }
  void SetSize(Single t) override { size = t; }
  Single Left() const override { return left; }
  Single Top() const override { return top; }
  Single Size() const override { return size; }
  bool visible = false;
  Single left = 0, top = 0, size = 0;
};

// A screen that shows nothing and keeps every element's state; asks nothing.
class KeptScreen : public Screen {
 public:
  ImageElement& ObjImage(Integer i) override { return images_.at(Slot(i)); }
  ImageElement& buffer(Integer i) override { return markers_.at(Slot(i)); }
  LabelElement& txtObjValue(Integer i) override { return labels_.at(Slot(i)); }
  LineElement& LinkLine(Integer i) override { return lines_.at(Slot(i)); }
  MarksElement& ProblemMarks() override { return marks_; }
  BorderElement& Palette(PaletteButton b) override {
    return palette_.at(static_cast<std::size_t>(b));
  }
  MarkElement& FocusMark() override { return focus_; }
  MarkElement& CrossHair() override { return cross_; }
  void SetCanvasSpoken(const Phrase&) override {}
  Phrase CanvasSpoken() const override { return {}; }
  void SetPowerCaption(const Phrase&) override {}
  Phrase PowerCaption() const override { return {}; }
  void SetCaption(const Phrase&) override {}
  Phrase Caption() const override { return {}; }
  void SetModified(bool) override {}
  void SetDefaultPointer() override {}
  void SetToolPointer(int) override {}
  void ShowMessage(const Phrase&, const Phrase&, MessageStyle) override {}
  Answer Ask(const Phrase&, const Phrase&, Choices, Answer preferred) override { return preferred; }
  FileChoice ChooseFile(FileDialogMode, const Phrase&, std::size_t, const std::string&,
                        const Phrase&) override {
    return {};
  }
  void BeginDrag(DragSource) override {}

 private:
  static std::size_t Slot(Integer i) { return static_cast<std::size_t>(i); }
  std::array<KeptImage, kSlotCount> images_, markers_;
  std::array<KeptLabel, kSlotCount> labels_;
  std::array<KeptLine, kSlotCount> lines_;
  KeptMarks marks_;
  std::array<KeptBorder, kPaletteButtonCount> palette_;
  KeptMark focus_, cross_;
};

}  // namespace

std::optional<Phrase> WriteCircuitPicture(const Document& doc, const std::string& path, int scale) {
  static int argc = 1;
  static char name[] = "tessara-sim";
  static char* argv[] = {name, nullptr};
  std::unique_ptr<QGuiApplication> application;
  if (!QGuiApplication::instance()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  KeptScreen screen;
  Scene scene;
  scene.doc = doc.Clone();
  DisplayObjects(scene, screen, {}, false);
  return app::SaveCircuitPicture(screen, {QGuiApplication::font()}, path, scale);
}

}  // namespace tessara
