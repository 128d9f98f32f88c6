// The run clock's cost: the real window with the ring oscillator powered and its
// timeline shown, running at 50 steps a second for SECONDS (default 5); prints the
// steps taken and the process's CPU time as a share of one core. Target: under 10 %.
// Usage: run_clock_cpu [SECONDS]
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <string>

#include "app/main_window.h"
#include "app/run_clock.h"
#include "editor/commands.h"
#include "editor/stepping.h"

namespace {

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const int seconds = argc > 1 ? std::stoi(argv[1]) : 5;
  tessara::app::MainWindow window;
  tessara::Form& form = window.form();
  tessara::OnWindowOpen(form);
  if (!tessara::LoadCircuit(form, TESSARA_EXAMPLES "/ring_oscillator.cir")) return 1;
  window.show();
  window.Act(tessara::OnPower);
  window.Companions().ShowTimeline();
  QApplication::processEvents();
  window.Clock().SetRate(50);
  window.Clock().Start();
  const double cpuBefore = CpuSeconds();
  QTimer::singleShot(seconds * 1000, &application, &QApplication::quit);
  QApplication::exec();
  const double cpu = CpuSeconds() - cpuBefore;
  std::printf("run clock at 50 steps/s for %d s: %zu steps, CPU %.2f s = %.1f %% of one core\n",
              seconds, form.history.Last(), cpu, 100.0 * cpu / seconds);
  return 0;
}
