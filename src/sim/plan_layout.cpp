#include "sim/plan_layout.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/canvas.h"
#include "model/cell.h"
#include "model/gatekinds.h"
#include "model/kinds.h"

namespace tessara {
namespace {

constexpr const char* kContext = "Build";

constexpr float kGrid = 15;            // one pixel at 96 dots per inch
constexpr float kNodeSize = 135;       // a node's marker, from its corner
constexpr float kMinChannel = 210;     // the narrowest channel between two columns
constexpr float kMaxChannel = 1500;    // the widest, for circuits of few columns
constexpr float kGateGap = 300;        // between two gates of a column, room allowing
constexpr float kLevelClearance = 60;  // between a passing link and a gate's cell
constexpr float kLevelSpacing = 150;   // between two links passing the same columns
constexpr float kInputPitch = 1200;    // between inputs, room allowing
constexpr float kLowest = kCanvasHeight - kCellSize;  // the lowest corner of a cell

float OnGrid(float v) { return std::round(v / kGrid) * kGrid; }

int ColumnsThatFit() {
  return static_cast<int>((kOutputColumnX - kMinGateX - kMinChannel) / (kCellSize + kMinChannel));
}

int PlacesInAColumn() { return static_cast<int>(kCanvasHeight / kCellSize); }

// Corners for cells in a fixed order, each as near its wish as the order, the
// canvas's height and `spacing` between corners allow. Requires the cells to fit.
std::vector<float> Pack(const std::vector<float>& wishes, float spacing) {
  std::vector<float> at(wishes.size());
  for (std::size_t i = 0; i < wishes.size(); ++i) {
    at[i] = std::clamp(OnGrid(wishes[i]), float{0}, kLowest);
    if (i > 0) at[i] = std::max(at[i], at[i - 1] + spacing);
  }
  for (std::size_t i = wishes.size(); i-- > 0;) {
    at[i] = std::min(at[i], i + 1 < at.size() ? at[i + 1] - spacing : kLowest);
  }
  return at;
}

// The spacing of k cells in a column: `gap` between them, or less when the column is full.
float Spacing(std::size_t k, float gap) {
  if (k < 2) return kCellSize + gap;
  const float room =
      (kCanvasHeight - kCellSize * static_cast<float>(k)) / static_cast<float>(k - 1);
  return kCellSize + std::max(float{0}, std::floor(std::min(gap, room) / kGrid) * kGrid);
}

struct Spot {
  std::int32_t kind;
  float x, y;
};

struct Wire {
  int from, to;            // spots
  std::int16_t place;      // the input number at `to`
  std::vector<int> nodes;  // spots of the nodes it bends at, from the source
};

// A level a link takes through columns: strips 2j are the channels j, strips 2k - 1
// the columns k of gates.
struct Level {
  int first, last;
  float y;
};

class Layouter {
 public:
  explicit Layouter(const GatePlan& plan) : plan_(plan) {}

  LaidOut Run() {
    const std::size_t gates = plan_.Gates();
    const std::size_t places = plan_.inputs + gates + plan_.outputs.size();
    if (places > static_cast<std::size_t>(kSlotCount)) return Refuse(PlacesReason(places));
    depth_.assign(plan_.terms.size(), 0);
    for (std::size_t t = plan_.inputs; t < plan_.terms.size(); ++t) {
      depth_[t] = 1 + std::max(DepthOf(plan_.terms[t].a), DepthOf(plan_.terms[t].b));
      columns_ = std::max(columns_, depth_[t]);
    }
    if (columns_ > ColumnsThatFit()) {
      LaidOut deep = Refuse(Words(
          kContext,
          TESSARA_PHRASE("Build", "this circuit needs %1 columns of gates; the canvas holds %2"),
          std::to_string(columns_), std::to_string(ColumnsThatFit())));
      deep.tooDeep = true;
      return deep;
    }
    SpreadColumns();
    if (!PlaceInputs() || !PlaceGates() || !PlaceOutputs()) {
      return Refuse(
          Words(kContext,
                TESSARA_PHRASE("Build",
                               "this circuit needs %1 places in one column; the canvas holds %2"),
                std::to_string(crowded_), std::to_string(PlacesInAColumn())));
    }
    if (!Route()) {
      return Refuse(Words(
          kContext, TESSARA_PHRASE("Build", "this circuit's links find no way between its gates")));
    }
    if (spots_.size() > static_cast<std::size_t>(kSlotCount))
      return Refuse(PlacesReason(spots_.size()));
    std::size_t segments = 0;
    for (const Wire& wire : wires_) segments += wire.nodes.size() + 1;
    if (segments > static_cast<std::size_t>(kSlotCount)) {
      return Refuse(Words(
          kContext, TESSARA_PHRASE("Build", "this circuit needs %1 links; a circuit holds %2"),
          std::to_string(segments), std::to_string(kSlotCount)));
    }
    return {Fill(), {}};
  }

 private:
  static LaidOut Refuse(Phrase reason) { return {std::nullopt, std::move(reason)}; }
  static Phrase PlacesReason(std::size_t places) {
    return Words(kContext,
                 TESSARA_PHRASE("Build", "this circuit needs %1 places; a circuit holds %2"),
                 std::to_string(places), std::to_string(kSlotCount));
  }

  int DepthOf(int signal) const {
    return signal == kZero ? 0 : depth_[static_cast<std::size_t>(signal)];
  }

  // Column k of gates (1..columns_) lies at columnX_[k]; channel j (0..columns_) begins
  // where column j ends (the input column's pins for j = 0) and is channel_ wide.
  void SpreadColumns() {
    const float room = kOutputColumnX - kMinGateX;
    const float columns = static_cast<float>(columns_);
    channel_ =
        std::floor(std::min(kMaxChannel, (room - columns * kCellSize) / (columns + 1)) / kGrid) *
        kGrid;
    const float margin = OnGrid((room - columns * kCellSize - (columns + 1) * channel_) / 2);
    columnX_.assign(static_cast<std::size_t>(columns_) + 1, 0);
    for (int k = 1; k <= columns_; ++k) {
      columnX_[static_cast<std::size_t>(k)] = kMinGateX + margin +
                                              static_cast<float>(k) * channel_ +
                                              static_cast<float>(k - 1) * kCellSize;
    }
    channelX_.clear();
    for (int j = 0; j <= columns_; ++j) {
      const float begins =
          j == 0 ? kMinGateX + margin : columnX_[static_cast<std::size_t>(j)] + kCellSize;
      channelX_.push_back(j == 0 && margin > 0
                              ? kMinGateX + OnGrid((margin + channel_ - kNodeSize) / 2)
                              : begins + OnGrid((channel_ - kNodeSize) / 2));
    }
  }

  bool Fits(std::size_t k) {
    if (k * static_cast<std::size_t>(kCellSize) <= static_cast<std::size_t>(kCanvasHeight))
      return true;
    crowded_ = static_cast<int>(k);
    return false;
  }

  int AddSpot(std::int32_t kind, float x, float y) {
    spots_.push_back({kind, x, y});
    return static_cast<int>(spots_.size()) - 1;
  }

  // The pin a signal leaves from: an input's or a gate's output.
  float SourceY(int signal) const { return spots_[static_cast<std::size_t>(signal)].y + kHalfCell; }

  bool PlaceInputs() {
    const std::size_t n = plan_.inputs;
    if (!Fits(n)) return false;
    const float pitch =
        n < 2 ? 0
              : std::min(kInputPitch,
                         std::floor(kLowest / static_cast<float>(n - 1) / kGrid) * kGrid);
    const float top =
        OnGrid((kCanvasHeight - kCellSize - pitch * static_cast<float>(n ? n - 1 : 0)) / 2);
    for (std::size_t k = 0; k < n; ++k) AddSpot(kInputGate, 0, top + pitch * static_cast<float>(k));
    return true;
  }

  // Each column in turn, its gates ordered by the mean height of the pins they read.
  bool PlaceGates() {
    spots_.resize(plan_.terms.size(), {kNoGate, 0, 0});
    for (int column = 1; column <= columns_; ++column) {
      std::vector<std::pair<float, std::size_t>> order;
      for (std::size_t t = plan_.inputs; t < plan_.terms.size(); ++t) {
        if (depth_[t] != column) continue;
        float sum = 0;
        int read = 0;
        for (int s : {plan_.terms[t].a, plan_.terms[t].b}) {
          if (s != kZero) sum += SourceY(s), ++read;
        }
        order.push_back({read ? sum / static_cast<float>(read) : kCanvasHeight / 2, t});
      }
      std::stable_sort(order.begin(), order.end(),
                       [](const auto& a, const auto& b) { return a.first < b.first; });
      if (!Fits(order.size())) return false;
      std::vector<float> wishes;
      for (const auto& [pin, t] : order) wishes.push_back(pin - kHalfCell);
      const std::vector<float> at = Pack(wishes, Spacing(order.size(), kGateGap));
      for (std::size_t i = 0; i < order.size(); ++i) {
        spots_[order[i].second] = {plan_.terms[order[i].second].kind,
                                   columnX_[static_cast<std::size_t>(column)], at[i]};
      }
    }
    return true;
  }

  bool PlaceOutputs() {
    const std::size_t m = plan_.outputs.size();
    if (!Fits(m)) return false;
    std::vector<float> wishes;
    for (int s : plan_.outputs) wishes.push_back(s == kZero ? 0 : SourceY(s) - kHalfCell);
    const std::vector<float> at = Pack(wishes, Spacing(m, kGrid));
    for (std::size_t i = 0; i < m; ++i) AddSpot(kOutputGate, kOutputColumnX, at[i]);
    return true;
  }

  // Every link: straight to the next column, or along a level through the columns between.
  bool Route() {
    const int firstOutput = static_cast<int>(plan_.terms.size());
    for (std::size_t t = plan_.inputs; t < plan_.terms.size(); ++t) {
      const PlanTerm& term = plan_.terms[t];
      const bool one = InputCount(term.kind) == 1;
      if (term.a != kZero && !Join(term.a, static_cast<int>(t), 0, depth_[t])) return false;
      if (!one && term.b != kZero && !Join(term.b, static_cast<int>(t), 1, depth_[t])) return false;
    }
    for (std::size_t k = 0; k < plan_.outputs.size(); ++k) {
      const int s = plan_.outputs[k];
      if (s != kZero && !Join(s, firstOutput + static_cast<int>(k), 0, columns_ + 1)) return false;
    }
    return true;
  }

  bool Join(int from, int to, std::int16_t place, int toColumn) {
    Wire wire{from, to, place, {}};
    const int fromColumn = DepthOf(from);
    if (toColumn > fromColumn + 1) {
      const Spot target = spots_[static_cast<std::size_t>(to)];
      const float sourceY = SourceY(from);
      const float targetY = target.y + MakeGate(target.kind)->GetInputOffset(place);
      const Level level{2 * fromColumn, 2 * (toColumn - 1), 0};
      const std::optional<float> y = FreeLevel(level, sourceY, targetY);
      if (!y) return false;
      levels_.push_back({level.first, level.last, *y});
      if (*y != sourceY)
        wire.nodes.push_back(
            AddSpot(kBufferGate, channelX_[static_cast<std::size_t>(fromColumn)], *y));
      if (*y != targetY)
        wire.nodes.push_back(
            AddSpot(kBufferGate, channelX_[static_cast<std::size_t>(toColumn - 1)], *y));
    }
    wires_.push_back(std::move(wire));
    return true;
  }

  // The free height nearest the source and target pins for a link across the strips of
  // `level`: clear of every gate of the columns it passes and of every other level there.
  std::optional<float> FreeLevel(const Level& level, float sourceY, float targetY) const {
    const auto free = [&](float y) {
      if (y < 0 || y + kNodeSize > kCanvasHeight) return false;
      for (const Level& other : levels_) {
        if (other.first <= level.last && level.first <= other.last &&
            std::abs(other.y - y) < kLevelSpacing)
          return false;
      }
      for (std::size_t t = plan_.inputs; t < plan_.terms.size(); ++t) {
        const int strip = 2 * depth_[t] - 1;
        const float top = spots_[t].y;
        if (strip > level.first && strip < level.last && y > top - kLevelClearance &&
            y < top + kCellSize + kLevelClearance)
          return false;
      }
      return true;
    };
    if (free(sourceY)) return sourceY;
    if (free(targetY)) return targetY;
    std::optional<float> best;
    const auto cost = [&](float y) { return std::abs(y - sourceY) + std::abs(y - targetY); };
    for (float y = 0; y + kNodeSize <= kCanvasHeight; y += kGrid) {
      if (free(y) && (!best || cost(y) < cost(*best))) best = y;
    }
    return best;
  }

  Document Fill() const {
    Document doc;
    for (std::size_t i = 0; i < spots_.size(); ++i) {
      const std::int16_t slot = static_cast<std::int16_t>(i);
      doc.PutGate(slot, MakeGate(spots_[i].kind));
      doc.EditGate(slot).ReadData(spots_[i].x, spots_[i].y, true, 0);
    }
    std::int16_t next = 0;
    for (const Wire& wire : wires_) {
      std::int16_t from = static_cast<std::int16_t>(wire.from);
      for (std::size_t k = 0; k <= wire.nodes.size(); ++k) {
        const bool toNode = k < wire.nodes.size();
        Link& segment = doc.EditLink(next++);
        segment.SetStart(from, 0);
        segment.SetStop(
            toNode ? static_cast<std::int16_t>(wire.nodes[k]) : static_cast<std::int16_t>(wire.to),
            toNode ? std::int16_t{0} : wire.place);
        segment.FromNode = k > 0;
        segment.ToNode = toNode;
        segment.Next = toNode ? next : std::int16_t{0};
        segment.SetUsed(true);
        from = segment.Target;
      }
    }
    return doc;
  }

  const GatePlan& plan_;
  std::vector<int> depth_;  // each term's column: 0 for the inputs
  int columns_ = 0;
  float channel_ = 0;
  std::vector<float> columnX_;   // the corners' x of column k of gates
  std::vector<float> channelX_;  // the nodes' x in channel j
  std::vector<Spot> spots_;      // slot i's kind and corner
  std::vector<Wire> wires_;
  std::vector<Level> levels_;
  int crowded_ = 0;  // the cells of the column that did not fit
};

}  // namespace

LaidOut LayOut(const GatePlan& plan) { return Layouter(plan).Run(); }

}  // namespace tessara
