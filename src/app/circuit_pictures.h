// The circuit's picture taken out of the window: File > Export Picture..., Edit > Copy
// Picture and File > Print..., each of what the canvas shows now (picture/circuit_picture.h),
// and the clipboard and file helpers the companion windows' pictures share.
#pragma once

#include <QByteArray>
#include <QImage>

#include "editor/form.h"
#include "picture/canvas_drawing.h"

class QWidget;

namespace tessara::app {

class RunClock;
class CanvasPanel;

// How canvas draws now: its font, its wires' colouring and its headings, translated.
CanvasLook LookOf(const CanvasPanel& canvas);

// Asks for a name (editor/file_dialogs.h, FilePurpose::CircuitPicture) and writes the
// picture there: PNG at the scale of the filter chosen, SVG or PDF by the suffix; a
// failure says so in an "Error" box.
void ExportCircuitPicture(Form& form, const CanvasPanel& canvas);
// Puts the picture on the clipboard as an image and as SVG.
void CopyCircuitPicture(Form& form, const CanvasPanel& canvas);
// Qt's print dialog (the clock stopped first), then the picture scaled to the page under
// a small header: the file's name and today's date.
void PrintCircuit(Form& form, const CanvasPanel& canvas, RunClock& clock, QWidget& parent);

// image, and svg when not empty, on the clipboard.
void CopyToClipboard(const QImage& image, const QByteArray& svg = {});

}  // namespace tessara::app
