// What screen readers hear, on the toolkit's side: the events that tell a screen reader
// of a changed value or a new focus (the names are the core's phrases, translated by
// app/translated.h). A change is told only while some assistive technology listens.
#pragma once

#include <optional>

#include "app/translated.h"

class QObject;

namespace tessara::app {

// Tells screen readers that object's value is now value (0 or 1; none when unpowered).
void AnnounceValue(QObject* object, std::optional<int> value);
// Tells screen readers that the focus is now on object.
void AnnounceFocus(QObject* object);

}  // namespace tessara::app
