// A phrase of the core (model/phrase.h) in the window's language: each pattern translated
// in its context (one of no language as it stands), then filled in one pass with its
// parts in the window's language; names stay as they are.
#pragma once

#include <QString>

#include "model/phrase.h"

namespace tessara::app {

QString Translated(const Phrase& phrase);

// A tooltip naming an element and the key that does its work: "AND gate — 3".
QString KeyTip(const QString& name, const QString& key);

}  // namespace tessara::app
