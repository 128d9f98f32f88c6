#include "app/run_clock.h"

namespace tessara::app {

RunClock::RunClock(QObject* parent) : QObject(parent) {
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &RunClock::Tick);
  SetRate(kDefaultRate);
}

void RunClock::SetRate(int stepsPerSecond) {
  rate_ = stepsPerSecond;
  timer_.setInterval(1000 / stepsPerSecond);
}

void RunClock::Allow(bool allowed) {
  allowed_ = allowed;
  if (!allowed) Stop();
}

void RunClock::Start() {
  if (running_ || !allowed_) return;
  running_ = true;
  if (!byHand_) timer_.start();
  emit runningChanged(true);
}

void RunClock::Stop() {
  if (!running_) return;
  running_ = false;
  timer_.stop();
  emit runningChanged(false);
}

void RunClock::Toggle() {
  if (running_) {
    Stop();
  } else {
    Start();
  }
}

void RunClock::DriveByHand() {
  byHand_ = true;
  timer_.stop();
}

void RunClock::Tick() {
  if (running_) emit tick();
}

}  // namespace tessara::app
