// Pictures of what a companion window shows (the truth table, the Karnaugh map, the Why
// window's lines): "Copy as Picture" and "Save Picture..." on the context menu of the
// widget the learner points at, which the keyboard's menu key opens too.
#pragma once

#include "editor/form.h"

class QWidget;

namespace tessara::app {

// Adds to widget's context menu "Copy as Picture", which puts drawn as it shows now on
// the clipboard as an image and as SVG, and with form "Save Picture...", which asks for
// a name (FilePurpose::WindowPicture) and writes PNG or SVG by its suffix. drawn and form
// outlive widget.
void AddPictureActions(QWidget& widget, QWidget& drawn, Form* form);

}  // namespace tessara::app
