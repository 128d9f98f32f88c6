// A phrase of the core (io/phrases.h) in the window's language: each pattern translated
// in its context, then filled with its parts in the window's language; names stay as
// they are.
#pragma once

#include <QString>

#include "io/phrases.h"

namespace tessara::app {

QString Translated(const Phrase& phrase);

}  // namespace tessara::app
