// The circuit's picture: the canvas as DrawCanvas draws it, cropped to UsedArea, as an
// image, as SVG or PDF bytes, or written to a file chosen by its suffix.
#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>
#include <string>

#include "model/phrase.h"
#include "picture/canvas_drawing.h"
#include "picture/picture_format.h"

namespace tessara::app {

// The picture at scale times its logical size, carrying scale as its device pixel ratio.
QImage CircuitImage(ScreenElements& elements, CanvasLook look, int scale);
// The picture as an SVG document (gates as embedded images drawn at four times their size).
QByteArray CircuitSvg(ScreenElements& elements, CanvasLook look);
// The picture as a PDF document of one page the picture's size.
QByteArray CircuitPdf(ScreenElements& elements, CanvasLook look);

// Writes the picture to path in the format of its suffix (PNG at scale), replacing any
// file there safely (io/replace_file.h). Returns why it could not: the reason of
// ReplaceFile, or a phrase of context "Files" for a suffix that names no picture format.
std::optional<Phrase> SaveCircuitPicture(ScreenElements& elements, const CanvasLook& look,
                                         const std::string& path, int scale);

}  // namespace tessara::app
