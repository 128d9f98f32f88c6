// The run clock: while running it ticks at the chosen rate, and the window takes one
// step a tick. It ticks only on the event thread, between events, so the window
// stays responsive; a stopped clock costs nothing.
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
  void Start();
  void Stop();
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
  bool running_ = false;
  bool byHand_ = false;
};

}  // namespace tessara::app
