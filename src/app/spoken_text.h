// What screen readers hear, on the toolkit's side: the core's phrases (view/phrase.h)
// translated and filled in, and the events that tell a screen reader of a changed value
// or a new focus. A change is told only while some assistive technology listens.
#pragma once

#include <QString>
#include <optional>

#include "view/phrase.h"

class QObject;

namespace tessara::app {

// The phrase in the language of the application's translators: each pattern translated
// in kPhraseContext, then filled in with its parts.
QString Translated(const Phrase& phrase);

// Tells screen readers that object's value is now value (0 or 1; none when unpowered).
void AnnounceValue(QObject* object, std::optional<int> value);
// Tells screen readers that the focus is now on object.
void AnnounceFocus(QObject* object);

}  // namespace tessara::app
