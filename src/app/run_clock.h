// The run clock: while running it ticks at the chosen rate, and the window takes one
// step a tick. It runs only while allowed, which the window grants while powered. It
// ticks only on the event thread, between events, so the window stays responsive; a
// stopped clock costs nothing.
#pragma once

#include <QObject>
#include <QTimer>
#include <array>

namespace tessara::app {

class RunClock : public QObject {
  Q_OBJECT
 public:
  static constexpr std::array<int, 6> kRates = {1, 2, 5, 10, 20, 50};  // steps a second
  static constexpr int kDefaultRate = 2;

  explicit RunClock(QObject* parent = nullptr);

  // One of kRates; takes effect at once, also while running.
  void SetRate(int stepsPerSecond);
  int Rate() const { return rate_; }
  // Whether the clock may run (while the circuit is powered): a clock that may not
  // stops, and Start does nothing until it may again. At first it may not.
  void Allow(bool allowed);
  // Starts when allowed; nothing while running.
  void Start();
  void Stop();
  // Run's command: stops a running clock, starts a stopped one (when allowed).
  void Toggle();
  bool Running() const { return running_; }
  // From now on ticks come only from Tick(): a test's hand instead of the timer.
  void DriveByHand();
  // One tick, while running.
  void Tick();

 signals:
  void tick();
  void runningChanged(bool running);

 private:
  QTimer timer_;
  int rate_ = kDefaultRate;
  bool allowed_ = false;
  bool running_ = false;
  bool byHand_ = false;
};

}  // namespace tessara::app
