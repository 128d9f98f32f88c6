#include "app/end_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

namespace tessara::app {
namespace {

int pipe_ends[2] = {-1, -1};  // [0] read on the event thread, [1] written by the handler

extern "C" void OnEndSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(pipe_ends[1], &byte, 1);
}

}  // namespace

EndSignals::EndSignals(QObject* parent) : QObject(parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, pipe_ends) != 0) return;
  notifier_ = new QSocketNotifier(pipe_ends[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(pipe_ends[0], &byte, 1);
    emit received();
  });
  struct sigaction action = {};
  action.sa_handler = OnEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
}

EndSignals::~EndSignals() {
  if (!notifier_) return;
  std::signal(SIGTERM, SIG_DFL);
  std::signal(SIGHUP, SIG_DFL);
  delete notifier_;
  ::close(pipe_ends[0]);
  ::close(pipe_ends[1]);
  pipe_ends[0] = pipe_ends[1] = -1;
}

}  // namespace tessara::app
