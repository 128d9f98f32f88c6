// Help > Getting Started: a short page, in a window of its own, that walks the road of a
// first circuit (place, link, power, toggle, prop, ask why, check against an answer),
// each step beside a small picture drawn by the program's own artwork. The learner's
// guide (docs/learners-guide.md) holds the same text.
#pragma once

#include <QWidget>

namespace tessara::app {

class GettingStarted : public QWidget {
  Q_OBJECT
 public:
  // A window of its own over main, which owns it.
  explicit GettingStarted(QWidget& main);
};

// Shows main's Getting Started window, made on first use, raised and active.
void ShowGettingStarted(QWidget& main);

}  // namespace tessara::app
