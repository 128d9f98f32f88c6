// The thin layer through which the window's procedures and handlers (view/, editor/)
// speak to the toolkit: the four element pools of 51, the problem marks, the palette
// buttons, the Power button, the caption and its modified mark, the pointer, modal message
// boxes and questions, the file dialog and drags.
// src/app implements it with Qt Widgets; tests stand in for it.
//
// Texts for the learner (captions, messages, questions, file filters) are phrases
// (model/phrase.h) in English, which the toolkit's side shows in the learner's language.
//
// Every position is in twips, relative to the canvas's top-left corner. An element
// keeps whatever was last set on it until it is set again; hiding changes nothing else.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/canvas.h"
#include "model/phrase.h"
#include "model/types.h"

namespace tessara {

enum class DragMode { Manual = 0, Automatic = 1 };

// The sizes of the pool images on the canvas (model/canvas.h), in twips.
inline constexpr float kGateImageSize = 795;   // GateImage(i), square
inline constexpr float kNodeMarkerSize = 135;  // NodeMarker(i), square

// What a gate image shows: the picture of a gate of kind `kind` (a type code) turned to
// orientation 0..3, or none for kNoGate. A circuit input's and output's picture in
// orientation 0 is their palette button's.
struct Picture {
  std::int32_t kind = kNoGate;
  int orientation = 0;
  bool operator==(const Picture&) const = default;
};

// What a screen reader hears of an element (view/spoken.h makes it).
struct Spoken {
  Phrase name;
  std::optional<int> value;  // the output, 0 or 1, told while the circuit is powered
  bool focused = false;      // the keyboard's focus is on it
  bool operator==(const Spoken&) const = default;
};

// A gate image GateImage(i) or a node marker NodeMarker(i).
class ImageElement {
 public:
  virtual ~ImageElement() = default;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Visible() const = 0;
  virtual void SetLeft(float twips) = 0;
  virtual void SetTop(float twips) = 0;
  virtual float Left() const = 0;
  virtual float Top() const = 0;
  virtual void SetPicture(Picture picture) = 0;  // node markers keep their dot
  virtual Picture GetPicture() const = 0;
  // Automatic: a press starts a drag at once and no press handler runs. Manual:
  // presses reach the handlers. A double-click reaches its handler in both.
  virtual void SetDragMode(DragMode mode) = 0;
  virtual DragMode GetDragMode() const = 0;
  // Drawn in the colour of what the Why window explains, or plainly.
  virtual void SetHighlight(bool on) = 0;
  virtual bool Highlighted() const = 0;
  // The name written in the corner of the element's cell: a circuit input's or output's
  // ("I1", "O2") or a gate's tag ("g3"); "" for none.
  virtual void SetName(std::string_view name) = 0;
  virtual std::string Name() const = 0;
  // A changed value is announced to screen readers, and so is a focus newly on it.
  virtual void SetSpoken(const Spoken& spoken) = 0;
  virtual Spoken GetSpoken() const = 0;
};

// A value label ValueLabel(i), 135 x 255.
class LabelElement {
 public:
  virtual ~LabelElement() = default;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Visible() const = 0;
  virtual void SetLeft(float twips) = 0;
  virtual void SetTop(float twips) = 0;
  virtual float Left() const = 0;
  virtual float Top() const = 0;
  virtual void SetText(std::string_view text) = 0;
  virtual std::string Text() const = 0;
};

// What a link line carries: nothing shown (not powered), or its source's output.
enum class LineValue { None, Low, High };

// A link line LinkLine(i) from (X1, Y1) to (X2, Y2).
class LineElement {
 public:
  virtual ~LineElement() = default;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Visible() const = 0;
  virtual void SetX1(float twips) = 0;
  virtual void SetY1(float twips) = 0;
  virtual void SetX2(float twips) = 0;
  virtual void SetY2(float twips) = 0;
  virtual float X1() const = 0;
  virtual float Y1() const = 0;
  virtual float X2() const = 0;
  virtual float Y2() const = 0;
  virtual void SetValue(LineValue value) = 0;
  virtual LineValue Value() const = 0;
  // Drawn in the colour of what the Why window explains (under its value's colour), or not.
  virtual void SetHighlight(bool on) = 0;
  virtual bool Highlighted() const = 0;
};

// How the canvas marks a problem of the circuit (io/circuit_warnings.h).
enum class MarkShape {
  Ring,           // a small ring around a point: an input pin, a link's end
  DashedOutline,  // around a gate or node marker
  Outline,        // a solid one, a little wider
};

// One mark and its box on the canvas; the pointer over the box shows text.
struct ProblemMark {
  MarkShape shape = MarkShape::Ring;
  float left = 0, top = 0, width = 0, height = 0;
  Phrase text;  // the warning, as `check` writes it
  bool operator==(const ProblemMark&) const = default;
};

// Every problem mark on the canvas, drawn above the gates and lines but never over a
// shown value label.
class MarksElement {
 public:
  virtual ~MarksElement() = default;
  virtual void SetMarks(std::vector<ProblemMark> marks) = 0;
  virtual const std::vector<ProblemMark>& Marks() const = 0;
};

// The ten palette buttons, in the order a refresh clears their borders.
enum class PaletteButton {
  CrossButton,
  LinkButton,
  AndGateButton,
  OrGateButton,
  NotGateButton,
  InputButton,
  OutputButton,
  NandGateButton,
  NorGateButton,
  XorGateButton
};
inline constexpr int kPaletteButtonCount = 10;

// A mark the keyboard leaves on the canvas, drawn above everything while the canvas has
// the keyboard focus: a square of side Size() with its corner at (Left(), Top()). The
// focus rectangle frames the focused gate; the cross-hair's arms span its square.
class MarkElement {
 public:
  virtual ~MarkElement() = default;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Visible() const = 0;
  virtual void SetLeft(float twips) = 0;
  virtual void SetTop(float twips) = 0;
  virtual void SetSize(float twips) = 0;
  virtual float Left() const = 0;
  virtual float Top() const = 0;
  virtual float Size() const = 0;
};

// Border style 0 none, 1 a thin single line.
class BorderElement {
 public:
  virtual ~BorderElement() = default;
  virtual void SetBorderStyle(int style) = 0;
  virtual int BorderStyle() const = 0;
};

enum class MessageStyle { Stop = 16, Exclamation = 48 };
enum class Answer { Yes, No, Cancel };
// The buttons a question offers; YesDiscardCancel's Discard answers No.
enum class Choices { YesNoCancel, YesNo, YesDiscardCancel };
enum class FileDialogMode { Open, Save };

// What the file dialog returns: the full path chosen, "" when cancelled, and the index
// of the filter chosen with it.
struct FileChoice {
  std::string path;
  std::size_t filter = 0;
};
enum class DragPool { GateImage, NodeMarker };

struct DragSource {
  DragPool pool = DragPool::GateImage;
  std::int16_t index = 0;
  float grabX = 0, grabY = 0;  // where the press that began the drag hit it, twips from its corner
  bool operator==(const DragSource&) const = default;
};

// The element half of the screen: the four pools, the problem marks, the palette's
// buttons, the keyboard's marks and what the canvas says to a screen reader.
class ScreenElements {
 public:
  virtual ~ScreenElements() = default;

  // Element i of each pool belongs to slot i, 0..50.
  virtual ImageElement& GateImage(std::int16_t i) = 0;
  virtual ImageElement& NodeMarker(std::int16_t i) = 0;
  virtual LabelElement& ValueLabel(std::int16_t i) = 0;
  virtual LineElement& LinkLine(std::int16_t i) = 0;
  virtual MarksElement& ProblemMarks() = 0;
  virtual BorderElement& Palette(PaletteButton button) = 0;
  virtual MarkElement& FocusMark() = 0;
  virtual MarkElement& CrossHair() = 0;
  virtual void SetCanvasSpoken(const Phrase& name) = 0;
  virtual Phrase CanvasSpoken() const = 0;
};

class Screen : public ScreenElements {
 public:
  virtual void SetPowerCaption(const Phrase& caption) = 0;
  virtual Phrase PowerCaption() const = 0;
  virtual void SetCaption(const Phrase& caption) = 0;  // the window's title
  virtual Phrase Caption() const = 0;
  // The caption's modified mark ("*" after it), shown while modified is true.
  virtual void SetModified(bool modified) = 0;

  // The application-wide pointer: the default arrow, or the pointer of the tool with
  // code toolCode (artwork::ToolCursor).
  virtual void SetDefaultPointer() = 0;
  virtual void SetToolPointer(std::int32_t toolCode) = 0;

  // A modal message box with an OK button; returns when it is closed.
  virtual void ShowMessage(const Phrase& prompt, const Phrase& title, MessageStyle style) = 0;
  // A modal question with the buttons of choices, preferred the one Enter presses;
  // closing it is Cancel, or No when there is no Cancel.
  virtual Answer Ask(const Phrase& prompt, const Phrase& title, Choices choices,
                     Answer preferred) = 0;
  // The modal file dialog. filters is "description|pattern|..." pairs, filter the index
  // of the pair chosen at first, offered the full path or bare name offered ("" none).
  // It adds no suffix and asks nothing before a file is replaced. An empty title leaves
  // the toolkit's own ("Open", "Save As").
  virtual FileChoice ChooseFile(FileDialogMode mode, const Phrase& filters, std::size_t filter,
                                const std::string& offered, const Phrase& title) = 0;

  // Starts the window's own drag of an image element: an outline follows the pointer
  // and the release delivers a drop to the canvas or the trash can under it.
  virtual void BeginDrag(DragSource source) = 0;
};

}  // namespace tessara
