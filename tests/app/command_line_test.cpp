// The window program's command line, read before any window exists.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include "man_synopsis.h"
#include "temp_folder.h"

namespace tessara::app {
namespace {

TEST(CommandLine, HelpAndVersionAnswerWithoutAWindowAndUnknownOptionsAreMisuse) {
  using Act = CommandLine::Act;
  const std::tuple<QStringList, Act, QString, QStringList> rows[] = {
      {{"--version", "a.cir"}, Act::Version, "", {}},
      {{"a.cir", "--help"}, Act::Help, "", {"a.cir"}},
      {{"--lang", "fr", "a.cir"}, Act::Open, "fr", {"a.cir"}},
      {{"--lang=de", "--", "--version", "-"}, Act::Open, "de", {"--version", "-"}},
      {{"-", "b.cir"}, Act::Open, "", {"-", "b.cir"}},
      {{"--verbose"}, Act::Misuse, "", {}},
      {{"--lang"}, Act::Misuse, "", {}}};
  for (const auto& [arguments, act, language, files] : rows) {
    const CommandLine line = ReadCommandLine(arguments);
    const std::string row = arguments.join(' ').toStdString();
    EXPECT_EQ(line.act, act) << row;
    EXPECT_EQ(line.language, language) << row;
    EXPECT_EQ(line.files, files) << row;
    EXPECT_EQ(line.error.isEmpty(), act != Act::Misuse) << row;
  }
  EXPECT_EQ(testing::LinesBetween(UsageText().toStdString(), "Usage:", "\n", "tessara"),
            testing::ManSynopsis(testing::ReadFile(TESSARA_SOURCE_DIR "/desktop/tessara.1")));
  EXPECT_EQ(VersionText(), "tessara " TESSARA_VERSION_OF_TEST "\n");
}

}  // namespace
}  // namespace tessara::app
