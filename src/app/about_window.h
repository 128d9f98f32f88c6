// The About window: what the program is, its version and its credits.
#pragma once

#include <QDialog>

namespace tessara::app {

// A fixed window of design texts; OK or the close box ends it. Made afresh for every
// showing and shown modally with exec().
class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  explicit AboutWindow(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tessara::app
