#include "sequence_commands.h"

#include <algorithm>
#include <optional>

#include "exit_codes.h"
#include "help.h"
#include "io/grading.h"
#include "io/sequence_text.h"
#include "io/table_text.h"
#include "sim/terminals.h"
#include "trace.h"

namespace tessara::tool {
namespace {

// The circuit in path and the sequence in sequencePath, their counts agreeing; nothing
// after telling err why not.
struct Exercise {
  Document circuit;
  Sequence sequence;
  Terminals terminals;
};

std::optional<Exercise> LoadExercise(const std::string& path, const std::string& sequencePath,
                                     std::ostream& err) {
  LoadResult loaded = LoadCircuitFile(path);
  if (!loaded.document) {
    err << Describe(path, loaded.error) << '\n';
    return std::nullopt;
  }
  const TextResult text = sequencePath == "-" ? ReadStandardInput(kMaxTableTextBytes)
                                              : ReadFileText(sequencePath, kMaxTableTextBytes);
  SequenceTextResult read =
      text.text ? ReadSequenceText(*text.text) : SequenceTextResult{std::nullopt, text.error};
  if (!read.sequence) {
    err << Describe(sequencePath, read.error) << '\n';
    return std::nullopt;
  }
  Terminals terminals = FindTerminals(*loaded.document);
  if (auto counts = CountsDiffer(read.sequence->inputs, read.sequence->outputs,
                                 terminals.inputs.size(), terminals.outputs.size())) {
    err << path << ": " << counts->English() << '\n';
    return std::nullopt;
  }
  return Exercise{std::move(*loaded.document), std::move(*read.sequence), std::move(terminals)};
}

}  // namespace

int Play(const Command& command, std::ostream& out, std::ostream& err) {
  const std::optional<Exercise> exercise =
      LoadExercise(command.operands[0], command.operands[1], err);
  if (!exercise) return kExitBadFile;
  const SequenceRun run =
      RunSequence(exercise->circuit, exercise->sequence.Inputs(), {command.Limits().maxSteps, {}});
  std::vector<std::string> got;
  for (const SequenceReading& reading : run.rows) got.push_back(reading.row.out);
  out << PlayedText(exercise->sequence, got);
  return kExitOk;
}

int TraceSequence(const Command& command, std::ostream& out, std::ostream& err) {
  if (command.operands.size() > 1) {
    return UsageError("trace takes ACTIONs or --sequence, not both", err);
  }
  const std::optional<Exercise> exercise =
      LoadExercise(command.operands[0], *command.Value("--sequence"), err);
  if (!exercise) return kExitBadFile;
  const std::vector<std::int16_t>& inputs = exercise->terminals.inputs;
  out << SlotHeader(exercise->circuit) << '\n'
      << "load " << Values(AsLoaded(exercise->circuit)) << '\n';
  RunSequence(exercise->circuit, exercise->sequence.Inputs(), {command.Limits().maxSteps, {}},
              [&](const Document& doc, StepCause cause, std::int16_t slot) {
                if (cause == StepCause::Prop) {
                  out << "p ";
                } else {
                  const auto n = std::find(inputs.begin(), inputs.end(), slot) - inputs.begin();
                  out << "tI" << n + 1 << ' ';
                }
                out << Values(doc) << '\n';
              });
  return kExitOk;
}

}  // namespace tessara::tool
