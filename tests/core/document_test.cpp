#include <gtest/gtest.h>

#include "circuit_builder.h"

namespace tessara {
namespace {

using testing::CircuitBuilder;

TEST(Document, ResetDocumentOffersSlotZero) {
  Document doc;
  EXPECT_EQ(doc.GetFreeGate(), 0);
  EXPECT_EQ(doc.GetFreeLink(), 0);
}

TEST(Document, FreedSlotIsFilledFirst) {
  Document doc;
  CircuitBuilder build(doc);
  for (int i = 0; i < 3; ++i) build.Gate(kAndGate);
  doc.Gates(1).SetUsed(false);
  EXPECT_EQ(doc.GetFreeGate(), 1);
}

TEST(Document, FiftySecondGateOrLinkFindsNoSlot) {
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
}

struct PlaceRow {
  Long code;
  Single x, y, storedX;
};

TEST(Document, SetObjectKeepsGatesBetweenTheColumns) {
  for (const PlaceRow& row : {PlaceRow{kAndGate, 799.5f, 100, 800}, PlaceRow{kAndGate, 800, 100, 800},
                              PlaceRow{kAndGate, 7400, 100, 7400}, PlaceRow{kAndGate, 7500, 100, 7400},
                              PlaceRow{kAndGate, 3000, -300, 3000}, PlaceRow{kInputGate, 3000, 100, 0},
                              PlaceRow{kOutputGate, 300, 100, 8200}, PlaceRow{kOutputGate, 9000, 100, 8200}}) {
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
