#include <gtest/gtest.h>

#include "circuit_builder.h"

namespace tessara {
namespace {

using testing::CircuitBuilder;

TEST(Document, FreeSlotIsTheLowestUnusedUntilAllFiftyOneAreTaken) {
  Document doc;
  for (Integer i = 0; i < kSlotCount; ++i) {
    ASSERT_EQ(doc.GetFreeGate(), i);
    ASSERT_EQ(doc.GetFreeLink(), i);
    doc.PutGate(i, MakeGate(kNotGate));
    doc.Gates(i).SetUsed(true);
    doc.Links(i).SetUsed(true);
  }
  EXPECT_EQ(doc.GetFreeGate(), std::nullopt);
  EXPECT_EQ(doc.GetFreeLink(), std::nullopt);
  doc.Gates(30).SetUsed(false);
  doc.Gates(7).SetUsed(false);
  EXPECT_EQ(doc.GetFreeGate(), 7);
}

TEST(Document, SetObjectKeepsGatesBetweenTheColumns) {
  const struct {
    Long code;
    Single x, y, storedX;
  } rows[] = {{kAndGate, 799.5f, 100, 800}, {kAndGate, 800, 100, 800},     {kAndGate, 7400, 100, 7400},
              {kAndGate, 7500, 100, 7400},  {kAndGate, 3000, -300, 3000},  {kInputGate, 3000, 100, 0},
              {kOutputGate, 300, 100, 8200}, {kOutputGate, 9000, 100, 8200}};
  for (const auto& row : rows) {
    Document doc;
    doc.PutGate(0, MakeGate(row.code));
    doc.SetObject(0, row.x, row.y);
    EXPECT_EQ(doc.Gates(0).GetX(), row.storedX) << "kind " << row.code << " at " << row.x;
    EXPECT_EQ(doc.Gates(0).GetY(), row.y);
  }
}

TEST(Document, ResetEmptiesEverySlotAndSwitchesPowerOff) {
  Document doc;
  CircuitBuilder build(doc);
  build.Link(build.Gate(kInputGate), build.Gate(kOutputGate), 0, 2);
  doc.CurrentTool = kNorGate;
  doc.PowerOn = true;
  doc.Reset();
  for (Integer i = 0; i < kSlotCount; ++i) {
    EXPECT_EQ(doc.Gates(i).GetType(), kNoGate);
    EXPECT_FALSE(doc.Gates(i).GetUsed());
    EXPECT_EQ(doc.Links(i), linkgates{});
  }
  EXPECT_EQ(doc.CurrentTool, kSelectTool);
  EXPECT_FALSE(doc.PowerOn);
}

}  // namespace
}  // namespace tessara
