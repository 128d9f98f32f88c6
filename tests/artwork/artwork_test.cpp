// What the golden pictures of tests/pictures cannot show: the pictures no kind or
// orientation has.
#include "picture/artwork/artwork.h"

#include <gtest/gtest.h>

namespace tessara::artwork {
namespace {

TEST(GatePicture, IsNullForAnyOtherKindOrOrientation) {
  for (std::int32_t kind : {kNoGate, kBufferGate, 11})
    EXPECT_TRUE(GatePicture(kind, 0).isNull()) << kind;
  EXPECT_TRUE(GatePicture(kInputGate, 4).isNull());
  EXPECT_TRUE(ToolPicture(kBufferGate).isNull());
  EXPECT_EQ(ToolCursor(kBufferGate).shape(), Qt::ArrowCursor);
}
}  // namespace
}  // namespace tessara::artwork
