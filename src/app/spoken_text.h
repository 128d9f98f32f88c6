// What screen readers hear, on the toolkit's side: the event that tells a screen reader
// of a new focus (the names, a gate's value among their words, are the core's phrases,
// translated by app/translated.h, and Qt tells of a changed name itself). A change is
// told only while some assistive technology listens.
#pragma once

#include "app/translated.h"

class QObject;

namespace tessara::app {

// Tells screen readers that the focus is now on object.
void AnnounceFocus(QObject* object);

}  // namespace tessara::app
