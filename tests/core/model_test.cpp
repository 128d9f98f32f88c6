#include <gtest/gtest.h>

#include "circuits.h"
#include "io/circuit_file.h"
#include "model/kinds.h"

namespace tessara {
namespace {

TEST(Document, FreeSlotIsTheLowestUnusedUntilAllFiftyOneAreTaken) {
  Document doc;
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    ASSERT_EQ(doc.GetFreeGate(), i);
    ASSERT_EQ(doc.GetFreeLink(), i);
    doc.PutGate(i, MakeGate(kNotGate));
    doc.EditGate(i).SetUsed(true);
    doc.EditLink(i).SetUsed(true);
  }
  EXPECT_EQ(doc.GetFreeGate(), std::nullopt);
  EXPECT_EQ(doc.GetFreeLink(), std::nullopt);
  for (std::int16_t slot : {std::int16_t{30}, std::int16_t{7}}) doc.EditGate(slot).SetUsed(false);
  EXPECT_EQ(doc.GetFreeGate(), 7);
  doc.PowerOn = true;
  doc.CurrentTool = kNorGate;
  doc.Reset();
  EXPECT_EQ(WriteCircuit(doc), WriteCircuit(Document{}));
  EXPECT_EQ(doc.CurrentTool, kSelectTool);
  EXPECT_FALSE(doc.PowerOn);
}

}  // namespace
}  // namespace tessara
