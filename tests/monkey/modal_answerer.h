// Answers every modal window that opens while it lives, as a user pressing OK would,
// and keeps what each one said.
#pragma once

#include <QObject>
#include <QTimer>
#include <map>
#include <string>
#include <vector>

namespace tessara::app {

class ModalAnswerer : public QObject {
 public:
  struct Box {
    std::string kind;   // the window's class: "QMessageBox" for a message box
    std::string title;
    std::string text;
    int icon = 0;       // QMessageBox::Icon
  };

  // Starts looking for modal windows at once, every millisecond the event loop runs.
  ModalAnswerer();

  // The boxes answered since the last call.
  std::vector<Box> TakeNew();
  // How many boxes of each title were answered in all.
  const std::map<std::string, long>& countByTitle() const { return countByTitle_; }

 private:
  void Answer();

  QTimer timer_;
  std::vector<Box> fresh_;
  std::map<std::string, long> countByTitle_;
};

}  // namespace tessara::app
