// A phrase of the core (io/phrases.h) in the window's language: its pattern translated
// in its context, then filled with its arguments, which stay as they are.
#pragma once

#include <QString>

#include "io/phrases.h"

namespace tessara::app {

QString Translated(const Phrase& phrase);

}  // namespace tessara::app
