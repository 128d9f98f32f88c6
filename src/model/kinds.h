// What every gate kind is, one row a kind: its type code, the words reports and signal
// rows name it by, how many inputs a link can land on, its truth function, its
// controlling value, where its input pins sit, the column it keeps to, what it is to the
// circuit and where `tessara-sim check` lists it. The gates (gatekinds.cpp), the
// explanation's deciding inputs and the formulas read these rows; a new kind is one row
// here and its artwork. Every field is required: a row written without one does not
// compile in CI (designated initializers and -Wmissing-field-initializers), and the
// checks at the end refuse rows that contradict each other.
//
// Standard library only; everything here is known at compile time.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "model/canvas.h"
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
  // The output for each setting of the input places the function reads, bit
  // (input 0 + 2 * input 1): 0b1000 is AND. A one-input kind reads input 0 alone, so
  // its bits 2 and 3 repeat bits 0 and 1.
  std::uint8_t truth;
  // The value that, on either input alone, decides the output (AND 0, OR 1); none for
  // XOR and for the one-input kinds.
  std::optional<bool> controlling;
  // Where input 0's and input 1's pins sit along the input side, in twips; a
  // one-input kind has one pin, the second is 0.
  std::array<float, 2> pins;
  std::optional<float> column;  // the x a move pins it to: the input or output column
  bool keepsColumn;             // it reports that x even where a file placed it elsewhere
  KindRole role;
  int summaryPlace;  // a logic gate's place, from 1, in the list of kinds of check's summary;
                     // 0 for the other roles, which the summary counts apart
};

inline constexpr std::array<KindFacts, 9> kKinds = {{
    {.code = kAndGate,
     .word = "and",
     .signal = "AND",
     .inputs = 2,
     .truth = 0b1000,
     .controlling = false,
     .pins = {150, 600},
     .column = std::nullopt,
     .keepsColumn = false,
     .role = KindRole::Logic,
     .summaryPlace = 1},
    {.code = kOrGate,
     .word = "or",
     .signal = "OR",
     .inputs = 2,
     .truth = 0b1110,
     .controlling = true,
     .pins = {150, 600},
     .column = std::nullopt,
     .keepsColumn = false,
     .role = KindRole::Logic,
     .summaryPlace = 3},
    {.code = kNotGate,
     .word = "not",
     .signal = "NOT",
     .inputs = 1,
     .truth = 0b0101,
     .controlling = std::nullopt,
     .pins = {400, 0},
     .column = std::nullopt,
     .keepsColumn = false,
     .role = KindRole::Logic,
     .summaryPlace = 5},
    {.code = kInputGate,
     .word = "input",
     .signal = "I",
     .inputs = 0,
     .truth = 0b1010,
     .controlling = std::nullopt,
     .pins = {0, 0},
     .column = 0.0f,
     .keepsColumn = true,
     .role = KindRole::Input,
     .summaryPlace = 0},
    {.code = kOutputGate,
     .word = "output",
     .signal = "O",
     .inputs = 1,
     .truth = 0b1010,
     .controlling = std::nullopt,
     .pins = {400, 0},
     .column = kOutputColumnX,
     .keepsColumn = false,
     .role = KindRole::Output,
     .summaryPlace = 0},
    {.code = kBufferGate,
     .word = "node",
     .signal = "",
     .inputs = 1,
     .truth = 0b1010,
     .controlling = std::nullopt,
     .pins = {10, 0},
     .column = std::nullopt,
     .keepsColumn = false,
     .role = KindRole::Node,
     .summaryPlace = 0},
    {.code = kNandGate,
     .word = "nand",
     .signal = "NAND",
     .inputs = 2,
     .truth = 0b0111,
     .controlling = false,
     .pins = {150, 600},
     .column = std::nullopt,
     .keepsColumn = false,
     .role = KindRole::Logic,
     .summaryPlace = 2},
    {.code = kNorGate,
     .word = "nor",
     .signal = "NOR",
     .inputs = 2,
     .truth = 0b0001,
     .controlling = true,
     .pins = {150, 600},
     .column = std::nullopt,
     .keepsColumn = false,
     .role = KindRole::Logic,
     .summaryPlace = 4},
    {.code = kXorGate,
     .word = "xor",
     .signal = "XOR",
     .inputs = 2,
     .truth = 0b0110,
     .controlling = std::nullopt,
     .pins = {150, 600},
     .column = std::nullopt,
     .keepsColumn = false,
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

// The input places 0..ReadPlaces - 1 the kind's function reads: its inputs, and place
// 0 of a circuit input, where the input's toggle stores its value.
constexpr int ReadPlaces(const KindFacts& kind) { return kind.inputs > 1 ? kind.inputs : 1; }

// The place a gate of this kind stores a value sent to input number num: 0 on a
// one-input kind whatever num is; num itself for 0..2 on a two-input kind (place 2 is
// kept and read by no function); -1 for any other number.
constexpr int StoredPlace(const KindFacts& kind, std::int16_t num) {
  if (ReadPlaces(kind) == 1) return 0;
  return num >= 0 && num <= 2 ? num : -1;
}

// The kind's output for the stored places `places` (bit p: place p), from its truth
// function over the places it reads.
constexpr bool KindOutput(const KindFacts& kind, unsigned places) {
  return (kind.truth >> (places & ((1u << ReadPlaces(kind)) - 1)) & 1) != 0;
}

// Where input number num's pin sits along the kind's input side, in twips: input 0's
// pin for 0 and on a one-input kind, input 1's for any other number on a two-input one.
constexpr float PinOffset(const KindFacts& kind, std::int16_t num) {
  return kind.pins[ReadPlaces(kind) == 2 && num != 0 ? 1 : 0];
}

// The places that decide the kind's output, bit p for place p, from the values of the
// places it reads (bit p: place p): those holding the controlling value when any does,
// else every place read.
constexpr unsigned DecidingPlaces(const KindFacts& kind, unsigned values) {
  const unsigned read = (1u << ReadPlaces(kind)) - 1;
  if (!kind.controlling) return read;
  const unsigned deciding = (*kind.controlling ? values : ~values) & read;
  return deciding != 0 ? deciding : read;
}

// The input place where a prop step's transfer pass leaves a link's value at a gate of
// this kind, when its function reads that place: the place it is stored at, so 0 at a
// circuit input, whose output each step then takes from that place (a link can end
// there in a file); -1 where no place read keeps it.
constexpr int CarriedPlace(const KindFacts& kind, std::int16_t num) {
  const int place = StoredPlace(kind, num);
  return place < ReadPlaces(kind) ? place : -1;
}

// The input place, 0..InputCount - 1, that a link with input number num lands on at a
// gate of this kind (where SetInputValue stores it and the logic reads it): 0 on a
// one-input kind whatever num is, num itself for 0 and 1 on a two-input kind; -1 for
// any other number or kind.
constexpr int LandingPlace(std::int32_t code, std::int16_t num) {
  const KindFacts* kind = FindKind(code);
  return kind && kind->inputs > 0 ? CarriedPlace(*kind, num) : -1;
}

// The role of the kind with this code, when there is one.
constexpr bool HasRole(std::int32_t code, KindRole role) {
  const KindFacts* kind = FindKind(code);
  return kind && kind->role == role;
}

// The rows of a table of kinds agree with each other: every code and word once, no
// code the empty slot's; a signal name for every kind but the node; inputs as the roles
// need them; a function, controlling value, pins and column that fit the inputs; and
// the logic gates at the summary's places 1, 2, ... each once. kKinds is checked here;
// a table built elsewhere (a test's, with a kind of its own) can be checked the same way.
namespace kinds_check {

// The value that alone decides a two-input function, when one does.
constexpr std::optional<bool> ControllingOf(std::uint8_t truth) {
  for (const bool c : {false, true}) {
    const unsigned with = c ? 1 : 0;
    const int a = truth >> with & 1, b = truth >> (with + 2) & 1;            // input 0 at c
    const int d = truth >> (2 * with) & 1, e = truth >> (2 * with + 1) & 1;  // input 1 at c
    if (a == b && b == d && d == e) return c;
  }
  return std::nullopt;
}

constexpr bool FitsItsRole(const KindFacts& kind) {
  const bool logic = kind.role == KindRole::Logic;
  if (kind.code == kNoGate || kind.word.empty()) return false;
  if (kind.signal.empty() != (kind.role == KindRole::Node)) return false;
  if (logic ? kind.inputs < 1 || kind.inputs > 2 : kind.inputs != (kind.role != KindRole::Input))
    return false;
  return (kind.summaryPlace > 0) == logic;
}

// A one-input kind's function and pins ignore input 1 and no value controls it; a
// two-input kind's controlling value is the one its function says; only the terminals
// keep to a column.
constexpr bool FunctionFitsItsInputs(const KindFacts& kind) {
  if (kind.truth > 0xF) return false;
  if (ReadPlaces(kind) == 1 &&
      (kind.truth >> 2 != (kind.truth & 3) || kind.controlling || kind.pins[1] != 0))
    return false;
  if (ReadPlaces(kind) == 2 && kind.controlling != ControllingOf(kind.truth)) return false;
  const bool terminal = kind.role == KindRole::Input || kind.role == KindRole::Output;
  return kind.column.has_value() == terminal && (!kind.keepsColumn || kind.column);
}

template <std::size_t N>
constexpr bool RowsAgree(const std::array<KindFacts, N>& kinds) {
  if (!AllDistinct(kinds, &KindFacts::code) || !AllDistinct(kinds, &KindFacts::word)) return false;
  int logic = 0;
  for (const KindFacts& kind : kinds) {
    if (!FitsItsRole(kind) || !FunctionFitsItsInputs(kind)) return false;
    logic += kind.role == KindRole::Logic ? 1 : 0;
  }
  for (int place = 1; place <= logic; ++place) {
    if (CountRows(kinds, &KindFacts::summaryPlace, place) != 1) return false;
  }
  return true;
}

static_assert(RowsAgree(kKinds),
              "each kind has its own code and word, and fits its role and inputs");

}  // namespace kinds_check

}  // namespace tessara
