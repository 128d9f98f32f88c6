#include "app/command_line.h"

namespace tessara::app {

CommandLine ReadCommandLine(const QStringList& arguments) {
  CommandLine line;
  const QString lang = QStringLiteral("--lang");
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QStringLiteral("--")) {
      line.files += arguments.mid(i + 1);
      break;
    }
    if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
      line.act = CommandLine::Act::Help;
      return line;
    }
    if (argument == QStringLiteral("--version")) {
      line.act = CommandLine::Act::Version;
      return line;
    }
    if (argument == lang || argument.startsWith(lang + QLatin1Char('='))) {
      const bool joined = argument != lang;
      if (!joined && i + 1 == arguments.size()) {
        line.act = CommandLine::Act::Misuse;
        line.error = QStringLiteral("--lang needs a CODE");
        return line;
      }
      line.language = joined ? argument.mid(lang.size() + 1) : arguments[++i];
    } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
      line.act = CommandLine::Act::Misuse;
      line.error = QStringLiteral("unknown option '%1'").arg(argument);
      return line;
    } else {
      line.files << argument;
    }
  }
  return line;
}

QString UsageText() {
  return QStringLiteral(
      "Usage:\n"
      "  tessara [--lang CODE] [--] [FILE]\n"
      "  tessara --help\n"
      "  tessara --version\n"
      "\n"
      "Opens the window for building and simulating logic circuits; with FILE, opens\n"
      "that circuit (.cir) at start.\n"
      "\n"
      "  --lang CODE  the window's language: de, es, fr, pt_BR or zh_CN\n"
      "               (English when not given and the locale has no translation)\n"
      "  --help       this text\n"
      "  --version    the version\n"
      "  --           ends the options: what follows is FILE, even with a leading '-'\n");
}

QString VersionText() { return QStringLiteral("tessara " TESSARA_VERSION "\n"); }

}  // namespace tessara::app
