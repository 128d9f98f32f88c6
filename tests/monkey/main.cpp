// monkey_tests: the monkey on the real window. --seed=N and --actions=N stand for
// MONKEY_SEED and MONKEY_ACTIONS; runs on the offscreen platform unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstring>

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform's note on every message box says nothing about the window.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints"))) return;
  if (standardHandler) standardHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  standardHandler = qInstallMessageHandler(QuietHandler);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  for (int a = 1; a < argc; ++a) {
    if (std::strncmp(argv[a], "--seed=", 7) == 0) qputenv("MONKEY_SEED", argv[a] + 7);
    if (std::strncmp(argv[a], "--actions=", 10) == 0) qputenv("MONKEY_ACTIONS", argv[a] + 10);
  }
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
