// SIGTERM and SIGHUP (a desktop logging out, a terminal closed) as an event of the
// window's thread: the handler only writes a byte to a pipe, which a socket notifier
// reads on the event thread, where anything may be done.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace tessara::app {

class EndSignals : public QObject {
  Q_OBJECT
 public:
  // Takes over SIGTERM and SIGHUP for the program's life; one instance at a time.
  explicit EndSignals(QObject* parent);
  ~EndSignals() override;

 signals:
  // A signal arrived; queued on the event thread.
  void received();

 private:
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tessara::app
