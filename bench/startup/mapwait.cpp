// mapwait PROGRAM [ARG...]: starts PROGRAM on the current X display and prints, in one
// line, the milliseconds from the start until its first top-level window is mapped
// and its resident memory in kB half a second later; then ends it.
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

long ResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: mapwait PROGRAM [ARG...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "mapwait: cannot open the X display\n");
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && !event.xmap.override_redirect) break;
  }
  const auto mapped = std::chrono::steady_clock::now();
  usleep(500000);
  const long rss = ResidentKb(child);
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);

  const double ms = std::chrono::duration<double, std::milli>(mapped - start).count();
  std::printf("%.1f %ld\n", ms, rss);
  return 0;
}
