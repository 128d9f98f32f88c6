// What the golden pictures of tests/pictures cannot show: the pictures no kind or
// orientation has, and the application icon.
#include "picture/artwork/artwork.h"

#include <gtest/gtest.h>

#include <QImage>

namespace tessara::artwork {
namespace {

TEST(GatePicture, IsNullForAnyOtherKindOrOrientation) {
  for (Long kind : {kNoGate, kInputGate, kBufferGate, 11})
    EXPECT_TRUE(GatePicture(kind, 0).isNull()) << kind;
  EXPECT_TRUE(GatePicture(kAndGate, 4).isNull());
  EXPECT_TRUE(TerminalPicture(kAndGate, 0).isNull());
  EXPECT_TRUE(ToolPicture(kBufferGate).isNull());
  EXPECT_EQ(IconCache(kIconCacheSize).shape(), Qt::ArrowCursor);
}

TEST(AppIcon, IsTealInsideAndTransparentOutside) {
  for (int size : {16, 128}) {
    const QImage icon = AppIcon(size);
    EXPECT_LT(qAlpha(icon.pixel(0, 0)), 16) << size;
    EXPECT_EQ(icon.pixel(size / 10, size / 2), qRgb(0, 128, 128)) << size;
  }
}
}  // namespace
}  // namespace tessara::artwork
