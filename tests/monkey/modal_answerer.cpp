#include "modal_answerer.h"

#include <QApplication>
#include <QMessageBox>

namespace tessara::app {

ModalAnswerer::ModalAnswerer() {
  timer_.setInterval(1);
  connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::Answer);
  timer_.start();
}

std::vector<ModalAnswerer::Box> ModalAnswerer::TakeNew() {
  std::vector<Box> taken;
  taken.swap(fresh_);
  return taken;
}

void ModalAnswerer::Answer() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible()) return;
  Box box{modal->metaObject()->className(), modal->windowTitle().toStdString(), {}, 0};
  if (auto* message = qobject_cast<QMessageBox*>(modal)) {
    box.text = message->text().toStdString();
    box.icon = message->icon();
  }
  ++countByTitle_[box.title];
  fresh_.push_back(std::move(box));
  modal->close();
}

}  // namespace tessara::app
