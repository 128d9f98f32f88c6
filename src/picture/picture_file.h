// The circuit's picture for programs without a window: the whole picture of a document
// written without any display. Knows no Qt in its declarations, so tessara-sim's picture
// helper includes it.
#pragma once

#include <optional>
#include <string>

#include "model/document.h"
#include "model/phrase.h"

namespace tessara {

// Draws doc as the window's canvas shows it after a refresh (values and coloured wires
// while powered) and writes it to path as SaveCircuitPicture does. Starts a
// QGuiApplication on the offscreen platform when the process has none.
std::optional<Phrase> WriteCircuitPicture(const Document& doc, const std::string& path, int scale);

}  // namespace tessara
