// What every gate kind is, one row a kind: its type code, the words reports and signal
// rows name it by, how many inputs a link can land on, what it is to the circuit and
// where `tessara-sim check` lists it. A new kind is one row here, its class and its case
// in MakeGate (gatekinds.cpp), and its picture (view/kind_pictures.h). Every field is
// required: a row written without one does not compile in CI (designated initializers
// and -Wmissing-field-initializers), and the checks at the end refuse rows that
// contradict each other.
//
// Standard library only; everything here is known at compile time.
#pragma once

#include <array>
#include <string_view>

#include "model/rows.h"
#include "model/types.h"

namespace tessara {

// What a kind is to the circuit.
enum class KindRole {
  Logic,   // a logic gate, computing from its inputs with one step of delay
  Input,   // a circuit input, toggled by the learner
  Output,  // a circuit output, showing its driver's value
  Node,    // the bend point of a link, passing its input on without delay
};

struct KindFacts {
  std::int32_t code;        // the type code (types.h), as GetType returns it and files hold it
  std::string_view word;    // the word reports and traces use: "and"
  std::string_view signal;  // its signal rows' name: "AND" ("AND 4"), "I" (I1), "O" (O1); a
                            // node has none ("")
  int inputs;               // the inputs 0..inputs - 1 a link can land on
  KindRole role;
  int summaryPlace;  // a logic gate's place, from 1, in the list of kinds of check's summary;
                     // 0 for the other roles, which the summary counts apart
};

inline constexpr std::array<KindFacts, 9> kKinds = {{
    {.code = kAndGate,
     .word = "and",
     .signal = "AND",
     .inputs = 2,
     .role = KindRole::Logic,
     .summaryPlace = 1},
    {.code = kOrGate,
     .word = "or",
     .signal = "OR",
     .inputs = 2,
     .role = KindRole::Logic,
     .summaryPlace = 3},
    {.code = kNotGate,
     .word = "not",
     .signal = "NOT",
     .inputs = 1,
     .role = KindRole::Logic,
     .summaryPlace = 5},
    {.code = kInputGate,
     .word = "input",
     .signal = "I",
     .inputs = 0,
     .role = KindRole::Input,
     .summaryPlace = 0},
    {.code = kOutputGate,
     .word = "output",
     .signal = "O",
     .inputs = 1,
     .role = KindRole::Output,
     .summaryPlace = 0},
    {.code = kBufferGate,
     .word = "node",
     .signal = "",
     .inputs = 1,
     .role = KindRole::Node,
     .summaryPlace = 0},
    {.code = kNandGate,
     .word = "nand",
     .signal = "NAND",
     .inputs = 2,
     .role = KindRole::Logic,
     .summaryPlace = 2},
    {.code = kNorGate,
     .word = "nor",
     .signal = "NOR",
     .inputs = 2,
     .role = KindRole::Logic,
     .summaryPlace = 4},
    {.code = kXorGate,
     .word = "xor",
     .signal = "XOR",
     .inputs = 2,
     .role = KindRole::Logic,
     .summaryPlace = 6},
}};

// The row of type code `code`; nullptr for the empty slot (0) and any code no kind has.
constexpr const KindFacts* FindKind(std::int32_t code) {
  return FindRow(kKinds, &KindFacts::code, code);
}

// The kind's word ("and"); "?" for a code no kind has.
constexpr std::string_view KindName(std::int32_t code) {
  const KindFacts* kind = FindKind(code);
  return kind ? kind->word : "?";
}

// The input places a kind's logic reads (its row's inputs); 0 for a code no kind has.
constexpr int InputCount(std::int32_t code) {
  const KindFacts* kind = FindKind(code);
  return kind ? kind->inputs : 0;
}

// The input place, 0..InputCount - 1, that a link with input number num lands on at a gate
// of this kind (where SetInputValue stores it and the logic reads it): 0 on a one-input
// kind whatever num is, num itself for 0 and 1 on a two-input kind; -1 for any other
// number or kind.
constexpr int LandingPlace(std::int32_t code, std::int16_t num) {
  switch (InputCount(code)) {
    case 1:
      return 0;
    case 2:
      return num == 0 || num == 1 ? num : -1;
    default:
      return -1;
  }
}

// The input place where a prop step's transfer pass leaves a link's value at a gate of
// this kind: LandingPlace, and 0 at a circuit input, whose output each step then takes
// from that place (a link can end there in a file); -1 where no place keeps it.
constexpr int CarriedPlace(std::int32_t code, std::int16_t num) {
  return code == kInputGate ? 0 : LandingPlace(code, num);
}

// The role of the kind with this code, when there is one.
constexpr bool HasRole(std::int32_t code, KindRole role) {
  const KindFacts* kind = FindKind(code);
  return kind && kind->role == role;
}

// The rows agree with each other: every code and word once, no code the empty slot's; a
// signal name for every kind but the node; inputs as the roles need them; and the logic
// gates at the summary's places 1, 2, ... each once.
namespace kinds_check {

constexpr bool EachRowFitsItsRole() {
  for (const KindFacts& kind : kKinds) {
    const bool logic = kind.role == KindRole::Logic;
    if (kind.code == kNoGate || kind.word.empty()) return false;
    if (kind.signal.empty() != (kind.role == KindRole::Node)) return false;
    if (logic ? kind.inputs < 1 || kind.inputs > 2 : kind.inputs != (kind.role != KindRole::Input))
      return false;
    if ((kind.summaryPlace > 0) != logic) return false;
  }
  return true;
}

constexpr bool SummaryPlacesCountFromOne() {
  int logic = 0;
  for (const KindFacts& kind : kKinds) logic += kind.role == KindRole::Logic ? 1 : 0;
  for (int place = 1; place <= logic; ++place) {
    if (CountRows(kKinds, &KindFacts::summaryPlace, place) != 1) return false;
  }
  return true;
}

static_assert(AllDistinct(kKinds, &KindFacts::code) && AllDistinct(kKinds, &KindFacts::word),
              "each kind has its own code and word");
static_assert(EachRowFitsItsRole(), "a kind's code, words, inputs and summary place fit its role");
static_assert(SummaryPlacesCountFromOne(), "the summary lists each logic gate at its own place");

}  // namespace kinds_check

}  // namespace tessara
