#include "io/verilog_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "model/kinds.h"
#include "sim/propagation.h"
#include "sim/signal_rows.h"
#include "sim/terminals.h"

namespace tessara {
namespace {

constexpr int kPlaces = 3;  // the stored inputs a gate keeps
const std::string kZero = "1'b0";

// Verilog for a function of the places it reads (names, lowest place first), given as
// its outputs row by row (bit k of the row: the k-th name); a name alone for a buffer.
struct Operator {
  unsigned rows;  // bit r: the output of row r of two names, r = a + 2b
  const char* form;
};
constexpr Operator kOperators[] = {{0b1000, "%a & %b"},    {0b1110, "%a | %b"},
                                   {0b0111, "~(%a & %b)"}, {0b0001, "~(%a | %b)"},
                                   {0b0110, "%a ^ %b"},    {0b1001, "~(%a ^ %b)"}};

std::string Function(unsigned rows, const std::vector<std::string>& names) {
  const std::size_t n = names.size();
  if (rows == 0) return kZero;
  if (rows + 1 == (1u << (1u << n))) return "1'b1";
  if (n == 1) return rows == 0b10 ? names[0] : "~" + names[0];
  if (n == 2) {
    for (const Operator& op : kOperators) {
      if (op.rows != rows) continue;
      std::string text = op.form;
      text.replace(text.find("%a"), 2, names[0]);
      text.replace(text.find("%b"), 2, names[1]);
      return text;
    }
  }
  std::string sum;
  for (unsigned r = 0; r < (1u << n); ++r) {
    if (!(rows & (1u << r))) continue;
    std::string term;
    for (std::size_t k = 0; k < n; ++k) {
      term += (term.empty() ? "" : " & ") + std::string((r >> k) & 1 ? "" : "~") + names[k];
    }
    sum += (sum.empty() ? "(" : " | (") + term + ")";
  }
  return sum;
}

// One propagation step over names: PropStep's passes, each carry and computation
// naming the value it makes.
class NamedStep {
 public:
  explicit NamedStep(const Document& doc) : doc_(doc) {
    for (std::int16_t i = 0; i < kSlotCount; ++i) {
      const std::size_t s = Slot(i);
      if (!doc.Gates(i).Kind()) {
        out_[s] = kZero;
        for (std::string& place : in_[s]) place = kZero;
        continue;
      }
      out_[s] = "g" + std::to_string(i);
      for (int p = 0; p < kPlaces; ++p) {
        // A circuit input's stored input equals its output whenever a step begins.
        in_[s][static_cast<std::size_t>(p)] =
            HasRole(doc.Gates(i), KindRole::Input) && p == 0
                ? out_[s]
                : "s" + std::to_string(i) + "_" + std::to_string(p);
      }
    }
    auto carry = [this](const Link& link) { Carry(link); };
    WalkTransferPass(doc, carry);
    for (std::int16_t j = 0; j < kSlotCount; ++j) Compute(j);
    for (std::int16_t i = 0; i < kSlotCount; ++i) {
      const Link& link = doc.Links(i);
      if (link.GetUsed() && link.ToNode) WalkLink(doc, i, carry);
    }
  }

  const std::string& Out(std::int16_t i) const { return out_[Slot(i)]; }
  const std::string& In(std::int16_t i, int p) const {
    return in_[Slot(i)][static_cast<std::size_t>(p)];
  }
  const std::vector<std::pair<std::string, std::string>>& Wires() const { return wires_; }

 private:
  static std::size_t Slot(std::int16_t i) { return static_cast<std::size_t>(i); }

  void Carry(const Link& link) {
    const std::size_t stop = Slot(link.Target);
    const int num = link.TargetInput;
    const KindFacts* kind = doc_.Gates(link.Target).Kind();
    const int place = kind && num >= 0 && num < kPlaces ? StoredPlace(*kind, link.TargetInput) : -1;
    if (place >= 0) in_[stop][static_cast<std::size_t>(place)] = out_[Slot(link.Source)];
    if (link.ToNode) Compute(link.Target);
  }

  // The gate's new output from its stored inputs: a name for what it reads.
  void Compute(std::int16_t i) {
    const std::size_t s = Slot(i);
    const KindFacts* kind = doc_.Gates(i).Kind();
    if (!kind) return;
    std::vector<std::string> names;
    for (int p = 0; p < ReadPlaces(*kind); ++p)
      names.push_back(in_[s][static_cast<std::size_t>(p)]);
    const unsigned rows = kind->truth & ((1u << (1u << names.size())) - 1);
    const std::string value = Function(rows, names);
    if (std::regex_match(value, std::regex("[A-Za-z_][A-Za-z0-9_]*|1'b[01]"))) {
      out_[s] = value;
      return;
    }
    out_[s] = "w" + std::to_string(wires_.size());
    wires_.emplace_back(out_[s], value);
  }

  const Document& doc_;
  std::array<std::string, kSlotCount> out_;
  std::array<std::array<std::string, kPlaces>, kSlotCount> in_;
  std::vector<std::pair<std::string, std::string>> wires_;
};

std::set<std::string> NamesIn(const std::string& text) {
  static const std::regex identifier("[A-Za-z_][A-Za-z0-9_]*");
  std::set<std::string> names;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), identifier);
       it != std::sregex_iterator(); ++it) {
    names.insert(it->str());
  }
  return names;
}

std::string Replace(const std::string& text, const std::map<std::string, std::string>& renamed) {
  static const std::regex identifier("[A-Za-z_][A-Za-z0-9_]*|1'b[01]");
  std::string result;
  std::size_t last = 0;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), identifier);
       it != std::sregex_iterator(); ++it) {
    result += text.substr(last, static_cast<std::size_t>(it->position()) - last);
    const auto found = renamed.find(it->str());
    result += found == renamed.end() ? it->str() : found->second;
    last = static_cast<std::size_t>(it->position() + it->length());
  }
  return result + text.substr(last);
}

// The port a circuit input slot's toggles drive: I<n>, or T<slot> for an input that is
// no circuit input.
std::string PortOf(const Document& doc, std::int16_t slot) {
  const std::vector<std::int16_t> inputs = FindTerminals(doc).inputs;
  const auto found = std::find(inputs.begin(), inputs.end(), slot);
  if (found != inputs.end()) {
    return TerminalName(kInputGate, static_cast<std::size_t>(found - inputs.begin()) + 1);
  }
  return "T" + std::to_string(slot);
}

std::vector<std::int16_t> InputSlots(const Document& doc) {
  std::vector<std::int16_t> slots;
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    if (HasRole(doc.Gates(i), KindRole::Input)) slots.push_back(i);
  }
  return slots;
}

// The gate's name in comments: the timeline's, or its kind and slot.
std::string GateName(const Document& doc, const std::vector<SignalRow>& rows, std::int16_t i) {
  const std::string name = RowName(rows, i);
  if (name != std::to_string(i)) return name;
  return std::string(KindName(doc.Gates(i).GetType())) + " " + std::to_string(i) +
         (doc.Gates(i).GetUsed() ? "" : " (not in use)");
}

}  // namespace

std::string VerilogModuleName(const std::string& path) {
  // Verilog-2001's keywords, each between spaces.
  static const std::string kKeywords =
      " "
      "always and assign begin buf bufif0 bufif1 case casex casez cmos deassign "
      "default defparam disable edge else end endcase endfunction endmodule "
      "endprimitive endspecify endtable endtask event for force forever fork function "
      "highz0 highz1 if ifnone initial inout input integer join large macromodule "
      "medium module nand negedge nmos nor not notif0 notif1 or output parameter pmos "
      "posedge primitive pull0 pull1 pulldown pullup rcmos real realtime reg release "
      "repeat rnmos rpmos rtran rtranif0 rtranif1 scalared small specify specparam "
      "strong0 strong1 supply0 supply1 table task time tran tranif0 tranif1 tri tri0 "
      "tri1 triand trior trireg vectored wait wand weak0 weak1 while wire wor xnor xor "
      "generate endgenerate genvar localparam signed automatic config endconfig design "
      "instance liblist library cell use noshowcancelled showcancelled "
      "pulsestyle_onevent pulsestyle_ondetect incdir include ";
  std::string name = std::filesystem::path(path).stem().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') c = '_';
  }
  if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) name = "c_" + name;
  if (kKeywords.find(" " + name + " ") != std::string::npos) name += "_c";
  return name;
}

std::string WriteVerilog(const Document& doc, const std::string& name) {
  const NamedStep step(doc);
  const Terminals terminals = FindTerminals(doc);
  const std::vector<SignalRow> rows = SignalRows(doc);

  // The registers and their next values, the outputs' first (a circuit input's is
  // r<slot>), then the stored inputs'.
  std::vector<std::pair<std::string, std::string>> registers;
  std::map<std::string, std::int16_t> inputOf;  // r<slot> -> slot
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    if (!doc.Gates(i).Kind()) continue;
    if (!HasRole(doc.Gates(i), KindRole::Input)) {
      registers.emplace_back("g" + std::to_string(i), step.Out(i));
    } else if (step.Out(i) != "g" + std::to_string(i)) {  // else it follows its port alone
      const std::string r = "r" + std::to_string(i);
      registers.emplace_back(r, step.Out(i) + " ^ " + PortOf(doc, i));
      inputOf[r] = i;
    }
  }
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    if (doc.Gates(i).GetType() == kNoGate) continue;
    for (int p = 0; p < kPlaces; ++p) {
      registers.emplace_back("s" + std::to_string(i) + "_" + std::to_string(p), step.In(i, p));
    }
  }
  // A register that keeps its own value stays 0; registers that take the same value are
  // one, the first.
  std::map<std::string, std::string> renamed;
  for (const auto& [reg, next] : registers) {
    if (next == reg) renamed[reg] = kZero;
  }
  std::map<std::string, std::string> firstWith;
  for (const auto& [reg, next] : registers) {
    if (renamed.contains(reg) || inputOf.contains(reg)) continue;
    const auto [it, fresh] = firstWith.emplace(Replace(next, renamed), reg);
    if (!fresh) renamed[reg] = it->second;
  }
  // The stored inputs some value reads.
  std::set<std::string> read;
  for (const auto& [wire, value] : step.Wires()) read.merge(NamesIn(Replace(value, renamed)));
  for (const auto& [reg, next] : registers) {
    if (reg[0] != 's') read.merge(NamesIn(Replace(next, renamed)));
  }
  for (bool grew = true; grew;) {
    grew = false;
    for (const auto& [reg, next] : registers) {
      if (reg[0] != 's' || !read.contains(reg) || renamed.contains(reg)) continue;
      for (const std::string& n : NamesIn(Replace(next, renamed))) grew |= read.insert(n).second;
    }
  }

  std::ostringstream v;
  v << "// Made by tessara-sim verilog: one rising edge of step is one prop step, every gate\n"
       "// adds one step of delay, power_up clears every value as loading the circuit does.\n"
       "module "
    << name << " (\n  input wire step,\n  input wire power_up";
  for (std::int16_t i : InputSlots(doc)) v << ",\n  input wire " << PortOf(doc, i);
  for (std::size_t n = 1; n <= terminals.outputs.size(); ++n) {
    v << ",\n  output wire " << TerminalName(kOutputGate, n);
  }
  v << "\n);\n";
  std::ostringstream assigns, resets, nexts;
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    if (!doc.Gates(i).Kind()) continue;
    const std::string g = "g" + std::to_string(i);
    const std::string comment = "  // " + GateName(doc, rows, i) + "\n";
    if (HasRole(doc.Gates(i), KindRole::Input)) {
      const std::string r = "r" + std::to_string(i);
      v << "  wire " << g << ";" << comment;
      assigns << "  assign " << g << " = " << PortOf(doc, i)
              << (inputOf.contains(r) ? " ^ " + r : "") << ";\n";
    } else if (renamed.contains(g)) {
      v << "  wire " << g << ";" << comment;
      assigns << "  assign " << g << " = " << renamed.at(g) << ";\n";
    } else {
      v << "  reg " << g << ";" << comment;
    }
  }
  for (const auto& [reg, next] : registers) {
    if (renamed.contains(reg)) continue;
    const bool stored = reg[0] == 's';
    if (stored && !read.contains(reg)) continue;
    if (reg[0] != 'g') v << "  reg " << reg << ";\n";
    resets << "      " << reg << " <= 1'b0;\n";
    nexts << "      " << reg << " <= " << Replace(next, renamed) << ";\n";
  }
  for (const auto& [wire, value] : step.Wires()) {
    v << "  wire " << wire << ";\n";
    assigns << "  assign " << wire << " = " << Replace(value, renamed) << ";\n";
  }
  for (std::size_t n = 0; n < terminals.outputs.size(); ++n) {
    assigns << "  assign " << TerminalName(kOutputGate, n + 1) << " = g" << terminals.outputs[n]
            << ";\n";
  }
  v << assigns.str();
  v << "  always @(posedge step or posedge power_up)\n    if (power_up) begin\n"
    << resets.str() << "    end else begin\n"
    << nexts.str() << "    end\nendmodule\n";
  return v.str();
}

std::string WriteVerilogTestbench(const Document& doc, const std::string& name,
                                  const std::vector<BenchAction>& actions) {
  std::string header, format, values;
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    if (!doc.Gates(i).GetUsed()) continue;
    header += (header.empty() ? "" : " ") + std::to_string(i) + ":" +
              std::string(KindName(doc.Gates(i).GetType()));
    if (doc.Gates(i).GetType() == kNoGate) {
      format += "0";
      continue;
    }
    format += "%b";
    values += ", dut.g" + std::to_string(i);
  }
  const auto display = [&](const std::string& label) {
    return "$display(\"" + label + " " + format + "\"" + values + ");";
  };
  std::ostringstream t;
  t << "module " << name << "_tb;\n  reg step = 1'b0, power_up = 1'b0;\n";
  std::string connections = ".step(step), .power_up(power_up)";
  for (std::int16_t i : InputSlots(doc)) {
    t << "  reg " << PortOf(doc, i) << " = 1'b0;\n";
    connections += ", ." + PortOf(doc, i) + "(" + PortOf(doc, i) + ")";
  }
  for (std::size_t n = 1; n <= FindTerminals(doc).outputs.size(); ++n) {
    const std::string o = TerminalName(kOutputGate, n);
    t << "  wire " << o << ";\n";
    connections += ", ." + o + "(" + o + ")";
  }
  t << "  " << name << " dut (" << connections << ");\n  initial begin\n"
    << "    #1 power_up = 1'b1;\n    #1 power_up = 1'b0;\n    #1 $display(\"" << header
    << "\");\n    " << display("load") << "\n";
  for (const BenchAction& action : actions) {
    if (action.toggle) {
      const std::int16_t slot = *action.toggle;
      if (IsSlotIndex(slot) && HasRole(doc.Gates(slot), KindRole::Input)) {
        const std::string port = PortOf(doc, slot);
        t << "    " << port << " = ~" << port << ";\n";
      }
      t << "    #1 " << display(action.label) << "\n";
    } else {
      t << "    repeat (" << action.steps << ") begin\n      step = 1'b1;\n      #1 step = 1'b0;\n"
        << "      #1 " << display(action.label) << "\n    end\n";
    }
  }
  t << "    $finish;\n  end\nendmodule\n";
  return t.str();
}

}  // namespace tessara
