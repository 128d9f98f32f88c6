// tessara-picture: the drawing half of `tessara-sim picture`, a program of its own so that
// tessara-sim itself stays free of the toolkit. tessara-sim runs it with its arguments
// checked: FILE OUT SCALE [ACTION...]. It loads FILE, powers it up and applies the actions
// when there are any, and writes the picture to OUT; exit 0, or 1 with one line on stderr.
#include <iostream>
#include <string>
#include <vector>

#include "exit_codes.h"
#include "io/circuit_file.h"
#include "picture/picture_file.h"
#include "trace.h"

int main(int argc, char** argv) {
  using namespace tessara;
  if (argc < 4) {
    std::cerr << "tessara-picture: run by tessara-sim picture\n";
    return tool::kExitUsage;
  }
  const std::string file = argv[1], out = argv[2];
  LoadResult loaded = LoadCircuitFile(file);
  if (!loaded.document) {
    std::cerr << Describe(file, loaded.error) << '\n';
    return tool::kExitBadFile;
  }
  std::vector<tool::Action> actions;
  for (int i = 4; i < argc; ++i) actions.push_back(*tool::ParseAction(argv[i]));
  if (!actions.empty()) tool::RunActions(*loaded.document, actions, [](const tool::RunRecord&) {});
  if (std::optional<Phrase> failed =
          WriteCircuitPicture(*loaded.document, out, std::stoi(argv[3]))) {
    std::cerr << out << ": " << failed->English() << '\n';
    return tool::kExitBadFile;
  }
  return tool::kExitOk;
}
