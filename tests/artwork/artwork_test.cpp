// One look per picture family: gate symbols in their four orientations, the other pictures,
// the tool cursors and the application icon, each also kept as a PNG under artefacts/artwork.
#include "app/artwork/artwork.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <array>
#include <functional>

namespace tessara::artwork {
namespace {
bool IsInk(QRgb pixel) { return qGray(pixel) < 128; }

void Keep(const QImage& image, const std::string& name) {
  QDir().mkpath(QStringLiteral(TESSARA_ARTEFACTS));
  EXPECT_TRUE(
      image.save(QStringLiteral(TESSARA_ARTEFACTS "/%1.png").arg(QString::fromStdString(name))))
      << name;
}

// Pixel (x, y) of the orientation-0 picture as orientation o shows it: 1 turned a
// quarter anticlockwise, 2 mirrored, 3 the mirror of 1.
QPoint Turned(int x, int y, int o) {
  return std::array{QPoint(x, y), QPoint(y, 57 - x), QPoint(57 - x, y), QPoint(y, x)}[o];
}

// The centres, in twips of the 795-twip gate image, of the inked runs one pixel in
// from the left side of an orientation-0 picture seen in orientation o.
std::vector<int> InputPins(const QImage& picture, int o) {
  std::vector<int> pins;
  for (int y = 0, run = -1; y <= 53; ++y) {
    const bool ink = y < 53 && IsInk(picture.pixel(Turned(1, y, o)));
    if (ink && run < 0) run = y;
    if (!ink && run >= 0) {
      pins.push_back(int((run + y) / 2.0 / 53 * 795 + 0.5));
      run = -1;
    }
  }
  return pins;
}

TEST(GatePicture, EachKindIsOneDrawingTurnedWithItsPinsWhereLinksAttachAndDiffersFromTheOthers) {
  const std::pair<Long, std::vector<int>> kinds[] = {
      {kAndGate, {150, 600}},  {kOrGate, {150, 600}},  {kNotGate, {400}},
      {kNandGate, {150, 600}}, {kNorGate, {150, 600}}, {kXorGate, {150, 600}}};
  std::vector<QImage> uprights;
  for (const auto& [kind, pins] : kinds) {
    const QImage upright = GatePicture(kind, 0);
    for (const QImage& other : uprights)
      EXPECT_NE(upright, other) << "kind " << kind << " looks like another";
    uprights.push_back(upright);
    for (int o = 0; o < 4; ++o) {
      const QImage turned = GatePicture(kind, o), big = GatePicture(kind, o, 2);
      Keep(turned, "gate" + std::to_string(kind) + "-" + std::to_string(o));
      EXPECT_EQ(turned.size(), o % 2 ? QSize(53, 58) : QSize(58, 53)) << kind << " turned " << o;
      EXPECT_EQ(std::pair(big.size(), big.devicePixelRatio()),
                std::pair(turned.size() * 2, qreal(2)));
      int ink = 0, differing = 0;
      for (int y = 0; y < 53; ++y)
        for (int x = 0; x < 58; ++x) {
          ink += IsInk(upright.pixel(x, y));
          differing += IsInk(upright.pixel(x, y)) != IsInk(turned.pixel(Turned(x, y, o)));
        }
      EXPECT_GT(ink, 150) << kind;
      EXPECT_LE(differing, 8) << kind << " turned " << o;
      const std::vector<int> found = InputPins(turned, o);
      ASSERT_EQ(found.size(), pins.size()) << kind << " turned " << o;
      for (std::size_t n = 0; n < pins.size(); ++n)
        EXPECT_NEAR(found[n], pins[n], 30) << kind << " turned " << o;
      for (int y : {26, 27}) EXPECT_TRUE(IsInk(turned.pixel(Turned(56, y, o)))) << "output stub";
    }
  }
  for (Long kind : {kNoGate, kInputGate, kBufferGate, 11})
    EXPECT_TRUE(GatePicture(kind, 0).isNull()) << kind;
  EXPECT_TRUE(GatePicture(kAndGate, 4).isNull());
  EXPECT_TRUE(ToolPicture(kBufferGate).isNull());
  EXPECT_EQ(ToolPicture(kNorGate), GatePicture(kNorGate, 0));
}

TEST(Pictures, HaveTheirDesignSizesAndStubsOnWhite) {
  const struct {
    const char* name;
    std::function<QImage(qreal)> draw;
    QSize size;
    QPoint ink;
  } rows[] = {{"input", InputPicture, {64, 64}, {63, 31}},
              {"output", OutputPicture, {64, 64}, {0, 32}},
              {"cross", CrossPicture, {58, 53}, {29, 27}},
              {"link", LinkPicture, {64, 64}, {32, 32}},
              {"trashcan", TrashCanPicture, {64, 64}, {32, 58}},
              {"node", NodeDot, {15, 15}, {7, 7}}};
  for (const auto& row : rows) {
    const QImage picture = row.draw(1);
    Keep(picture, row.name);
    EXPECT_EQ(std::pair(picture.size(), row.draw(2).size()), std::pair(row.size, row.size * 2))
        << row.name;
    EXPECT_TRUE(IsInk(picture.pixel(row.ink))) << row.name;
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 255, 255)) << row.name;
  }
}

TEST(IconCache, HoldsElevenTwoColourCursorsWithTheHotSpotInTheMiddleAndTheAppIconIsTeal) {
  EXPECT_EQ(IconCache(kIconCacheSize).shape(), Qt::ArrowCursor);
  for (int i = 0; i < kIconCacheSize; ++i) {
    const QCursor cursor = IconCache(i);
    EXPECT_EQ(std::pair(cursor.shape(), cursor.hotSpot()),
              std::pair(Qt::BitmapCursor, QPoint(16, 16)))
        << i;
    const QImage bits = cursor.bitmap().toImage(), mask = cursor.mask().toImage();
    Keep(bits, "cursor" + std::to_string(i));
    int black = 0, shown = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        black += IsInk(bits.pixel(x, y));
        shown += IsInk(mask.pixel(x, y));
      }
    }
    EXPECT_GT(black, 40) << i;
    EXPECT_GT(shown, black + 40) << i << ": a white edge";
    EXPECT_LT(shown, 32 * 32 / 2) << i;
  }
  EXPECT_NE(IconCache(3).bitmap().toImage(), IconCache(4).bitmap().toImage())
      << "input and output differ";
  for (int size : {16, 128}) {
    const QImage icon = AppIcon(size);
    Keep(icon, "appicon" + std::to_string(size));
    EXPECT_LT(qAlpha(icon.pixel(0, 0)), 16) << size;
    EXPECT_EQ(icon.pixel(size / 10, size / 2), qRgb(0, 128, 128)) << size;
  }
}
}  // namespace
}  // namespace tessara::artwork
