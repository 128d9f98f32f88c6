// Help > Keyboard: every key of the window in one table, each with what it does (the
// rows come from KeyHelpRows, app/menus.h).
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

namespace tessara::app {

struct KeyHelpRow {
  QString keys, what;
};

// "Tessara - Keyboard": the rows as a table that screen readers read as one, and a
// Close button; made afresh for every showing and shown modally with exec().
class KeyboardHelp : public QDialog {
  Q_OBJECT
 public:
  KeyboardHelp(QWidget* parent, const std::vector<KeyHelpRow>& rows);
};

}  // namespace tessara::app
