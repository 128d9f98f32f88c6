// The window program's command line: "tessara [--lang CODE] [FILE]", with --help and
// --version answered on stdout without a window. Read before the toolkit starts, so
// neither needs a display.
#pragma once

#include <QString>
#include <QStringList>

namespace tessara::app {

struct CommandLine {
  enum class Act {
    Open,     // the window, with files' first entry opened at start when there is one
    Help,     // the usage on stdout, exit 0
    Version,  // "tessara VERSION" on stdout, exit 0
    Misuse,   // error and the usage on stderr, exit 2
  };
  Act act = Act::Open;
  QString language;   // --lang's CODE, "" when not given (checked later, by the languages)
  QStringList files;  // the arguments that are not options; "--" makes the rest files
  QString error;      // for Misuse: "unknown option '-x'" or "--lang needs a CODE"
};

// Reads arguments (the command line after the program's name). --lang takes its CODE as
// the next argument or after "=". The first --help or --version decides at once; any
// other argument starting with "-" before "--" is a misuse, a lone "-" is a file name.
CommandLine ReadCommandLine(const QStringList& arguments);

// The usage: the synopsis of the man page (desktop/tessara.1), then a line or two for
// each option.
QString UsageText();
QString VersionText();

}  // namespace tessara::app
