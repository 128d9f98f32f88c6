// A phrase of the core (model/phrase.h) in the window's language: its pattern translated
// in its context, then filled in one pass with its parts, each translated in turn; names
// stay as they are.
#pragma once

#include <QString>

#include "model/phrase.h"

namespace tessara::app {

QString Translated(const Phrase& phrase);

}  // namespace tessara::app
