// Sequences: the text a teacher writes, and its run on latches and a counter, each row
// read at the step the trace would show.
#include <gtest/gtest.h>

#include "circuits.h"
#include "io/circuit_file.h"
#include "io/sequence_text.h"
#include "sim/sequence_run.h"

namespace tessara {
namespace {
using testing::PutGate;
using testing::PutLink;

// "in>out@line" per row, or "line N: reason".
std::string Read(std::string_view text) {
  const SequenceTextResult read = ReadSequenceText(text);
  if (!read.sequence) return Describe(read.error);
  std::string rows;
  for (const SequenceRow& row : read.sequence->rows) {
    rows += row.in + '>' + row.out + '@' + std::to_string(row.line) + ' ';
  }
  return rows;
}

TEST(SequenceText, ReadsEveryCellKindAndNoteOrNamesTheLineThatIsWrong) {
  const struct {
    const char *what, *text, *read;
  } rows[] = {
      {"cells, notes, comments anywhere, a BOM and CRLF",
       "\xEF\xBB\xBF# latch\r\nsequence\r\n\r\nI1 I2 | O1\r\n0 1 | 0\r\n# set\r\n"
       "1 0 | 1      set\r\nC 0 | ~ (a pulse)\r\n11|X\r\n",
       "01>0@5 10>1@7 C0>~@8 11>X@9 "},
      {"CR alone; a cell after two spaces is a cell", "sequence\rI1 | O1 O2\r0 | 0  1\r",
       "0>01@3 "},
      {"too many output cells", "sequence\nI1 I2 | O1\n0 1 | 0 1\n",
       "line 3: expected 1 output cell, found 2"},
      {"too few input cells", "sequence\nI1 I2 | O1 O2\n0 | 0 1\n",
       "line 3: expected 2 input cells, found 1"},
      {"a word after one space", "sequence\nI1 | O1\n1 | 1 set\n",
       "line 3: 's' is no output cell (0, 1, ~ or X)"},
      {"an X among the inputs", "sequence\nI1 | O1\nX | 1\n",
       "line 3: 'X' is no input cell (0, 1 or C)"},
      {"a row without a bar", "sequence\nI1 | O1\n\n1 1\n",
       "line 4: a row needs a '|' between inputs and outputs"},
      {"a row for a header", "sequence\n0 | 1\n", "line 2: expected a header like 'I1 I2 | O1'"},
      {"no row", "sequence\n# none\nI1 | O1\n", "no rows: a sequence needs a row after its header"},
  };
  for (const auto& row : rows) EXPECT_EQ(Read(row.text), row.read) << row.what;
}

// A two-bit ripple counter of falling-edge flip-flops: I1 = clock, I2 = clear, O1 = the
// low bit, O2 the high one. Each flip-flop is a master and a slave SR latch of NORs, set
// and reset through ANDs with its clock, clear ORed into both resets; the low bit's
// slave is clocked by NOT I1, the high bit by the low bit's Q and NOT Q.
void PutCounter(Document& doc) {
  PutGate(doc, 0, kInputGate, 0, 1000), PutGate(doc, 1, kInputGate, 0, 3000);
  PutGate(doc, 2, kOutputGate, 8200, 1000), PutGate(doc, 3, kOutputGate, 8200, 3000);
  PutGate(doc, 4, kNotGate, 1000, 1000);
  std::int16_t link = 0;
  const auto put = [&](std::int16_t from, std::int16_t to, std::int16_t input) {
    PutLink(doc, link++, from, to, input);
  };
  std::int16_t clock = 0, notClock = 4, gate = 5;
  put(0, 4, 0);
  for (const std::int16_t out : {std::int16_t{2}, std::int16_t{3}}) {
    const std::int16_t q = gate, qb = gate + 1, mq = gate + 2,
                       mqb = gate + 3;  // slave, master NORs
    const std::int16_t ms = gate + 4, mr = gate + 5, ss = gate + 6, sr = gate + 7;  // ANDs
    const std::int16_t mclear = gate + 8, sclear = gate + 9;                        // ORs
    for (std::int16_t g = gate; g < gate + 10; ++g) {
      PutGate(doc, g, g < ms ? kNorGate : g < mclear ? kAndGate : kOrGate, 3000, float(300 * g));
    }
    put(clock, ms, 0), put(qb, ms, 1), put(clock, mr, 0), put(q, mr, 1);
    put(mr, mclear, 0), put(1, mclear, 1), put(mclear, mq, 0), put(mqb, mq, 1);
    put(ms, mqb, 0), put(mq, mqb, 1);
    put(notClock, ss, 0), put(mq, ss, 1), put(notClock, sr, 0), put(mqb, sr, 1);
    put(sr, sclear, 0), put(1, sclear, 1), put(sclear, q, 0), put(qb, q, 1);
    put(ss, qb, 0), put(q, qb, 1), put(q, out, 0);
    clock = q, notClock = qb, gate += 10;
  }
}

// "out@step" per row read.
std::string Readings(const Document& circuit, const std::vector<std::string>& rows, int maxSteps) {
  std::string read;
  for (const SequenceReading& row : RunSequence(circuit, rows, {maxSteps, {}}).rows) {
    read += row.row.out + '@' + std::to_string(row.step) + ' ';
  }
  return read;
}

TEST(SequenceRun, ReadsEachRowWhereItSettlesAndGoesOnFromThere) {
  Document counter, endless;
  const Document sr = *LoadCircuitFile(TESSARA_EXAMPLES "/sr_latch_nor.cir").document;
  PutCounter(counter), testing::PutLongRun(endless);
  const struct {
    const char* what;
    const Document& circuit;
    std::vector<std::string> rows;
    std::string read;
    int maxSteps = kSettleBound;
  } rows[] = {
      {"the example SR latch, I2 setting O1: reset, set, hold, reset, a pulse on S, both",
       sr,
       {"10", "01", "00", "10", "0C", "11"},
       "01@3 10@8 10@10 01@14 10@21 00@25 "},
      {"two-bit counter: clear, four pulses",
       counter,
       {"01", "C0", "C0", "C0", "C0"},
       "00@7 10@22 01@38 11@53 00@70 "},
      {"a run that never repeats: read at the bound, then from there",
       endless,
       {"", ""},
       "~@100 ~@200 ",
       100},
  };
  for (const auto& row : rows)
    EXPECT_EQ(Readings(row.circuit, row.rows, row.maxSteps), row.read) << row.what;
}

}  // namespace
}  // namespace tessara
