// The other pictures, the palette pictures, the tool cursors and the application
// icon; and every picture saved as a PNG to be looked at.
#include <QBitmap>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/artwork.h"

namespace tessara::artwork {
namespace {

bool IsBlack(const QImage& image, int x, int y) { return image.pixel(x, y) == qRgb(0, 0, 0); }
bool IsWhite(const QImage& image, int x, int y) { return image.pixel(x, y) == qRgb(255, 255, 255); }

struct NamedPicture {
  const char* name;
  std::function<QImage(qreal)> draw;
  QSize size;
};

const NamedPicture kPictures[] = {
    {"input", InputPicture, {64, 64}},       {"output", OutputPicture, {64, 64}},
    {"cross", CrossPicture, {58, 53}},       {"link", LinkPicture, {64, 64}},
    {"trashcan", TrashCanPicture, {64, 64}}, {"node", NodeDot, {15, 15}},
};

TEST(Pictures, HaveTheirDesignSizesOnOpaqueWhiteAndTwiceThatAtScaleTwo) {
  for (const NamedPicture& p : kPictures) {
    const QImage picture = p.draw(1), big = p.draw(2);
    EXPECT_EQ(picture.size(), p.size) << p.name;
    EXPECT_EQ(picture.format(), QImage::Format_RGB32) << p.name;
    EXPECT_TRUE(IsWhite(picture, 0, 0)) << p.name;
    EXPECT_EQ(big.size(), p.size * 2) << p.name;
    EXPECT_EQ(big.devicePixelRatio(), 2) << p.name;
  }
}

// The input's stub is its output pin at the middle of the right side (rows 31-32),
// the output's stub its input pin at the middle of the left side; the node a round dot.
TEST(Pictures, InputAndOutputStubsLieAtMidHeightAndTheNodeDotIsRound) {
  const QImage input = InputPicture(), output = OutputPicture(), dot = NodeDot();
  for (int y : {31, 32}) EXPECT_TRUE(IsBlack(input, 63, y) && IsBlack(output, 0, y)) << y;
  for (int y : {30, 33}) EXPECT_TRUE(IsWhite(input, 63, y) && IsWhite(output, 0, y)) << y;
  EXPECT_TRUE(IsWhite(input, 0, 32) && IsWhite(output, 63, 32));
  EXPECT_TRUE(IsBlack(dot, 7, 7) && IsBlack(dot, 2, 7));
  EXPECT_TRUE(IsWhite(dot, 0, 0) && IsWhite(dot, 14, 14));
}

TEST(ToolPicture, ShowsEachToolAtItsPaletteSize) {
  const struct {
    Long tool;
    QSize size;
  } rows[] = {{kSelectTool, {58, 53}}, {kLinkTool, {64, 64}},  {kAndGate, {58, 53}},
              {kOrGate, {58, 53}},     {kNotGate, {58, 53}},   {kInputGate, {64, 64}},
              {kOutputGate, {64, 64}}, {kNandGate, {58, 53}},  {kNorGate, {58, 53}},
              {kXorGate, {58, 53}}};
  for (const auto& row : rows) EXPECT_EQ(ToolPicture(row.tool).size(), row.size) << row.tool;
  EXPECT_EQ(ToolPicture(kNorGate), GatePicture(kNorGate, 0));
  EXPECT_TRUE(ToolPicture(kBufferGate).isNull());
  EXPECT_TRUE(ToolPicture(11).isNull());
}

// A cursor as an image: black, white, and transparent where its mask is clear.
QImage CursorImage(const QCursor& cursor) {
  const QImage bits = cursor.bitmap().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage mask = cursor.mask().toImage().convertToFormat(QImage::Format_RGB32);
  QImage image(bits.size(), QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, IsWhite(mask, x, y) ? qRgba(0, 0, 0, 0) : bits.pixel(x, y));
  return image;
}

int Count(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
  return n;
}

TEST(IconCache, HoldsElevenBlackAndWhiteCursorsOnTransparencyWithTheHotSpotInTheMiddle) {
  for (int i = 0; i < kIconCacheSize; ++i) {
    const QCursor cursor = IconCache(i);
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << i;
    EXPECT_EQ(cursor.hotSpot(), QPoint(16, 16)) << i;
    EXPECT_EQ(cursor.mask().size(), QSize(32, 32)) << i;
    const QImage image = CursorImage(cursor);
    EXPECT_EQ(image.size(), QSize(32, 32)) << i;
    EXPECT_GT(Count(image, qRgb(0, 0, 0)), 40) << i;
    EXPECT_GT(Count(image, qRgb(255, 255, 255)), 40) << i;
    EXPECT_GT(Count(image, qRgba(0, 0, 0, 0)), 32 * 32 / 2) << i;
  }
  const QImage cross = CursorImage(IconCache(5));
  for (QPoint p : {QPoint(15, 15), QPoint(16, 16), QPoint(15, 8), QPoint(24, 16)})
    EXPECT_EQ(cross.pixel(p), qRgb(0, 0, 0)) << "the cross at " << p.x() << "," << p.y();
  EXPECT_EQ(IconCache(kIconCacheSize).shape(), Qt::ArrowCursor);
  EXPECT_EQ(IconCache(-1).shape(), Qt::ArrowCursor);
}

TEST(AppIcon, IsATealRoundedSquareAtAnySize) {
  for (int size : {16, 32, 48, 128, 512}) {
    const QImage icon = AppIcon(size);
    EXPECT_EQ(icon.size(), QSize(size, size));
    EXPECT_LT(qAlpha(icon.pixel(0, 0)), 16) << size;
    EXPECT_EQ(icon.pixel(size / 10, size / 2), qRgb(0, 128, 128)) << size;
  }
}

// Not a check of looks: writes every picture, large and small, for a person to look at.
TEST(Artefacts, EveryPictureIsSavedAsPng) {
  const QDir dir(TESSARA_ARTEFACTS);
  ASSERT_TRUE(dir.mkpath("."));
  auto save = [&](const QImage& image, const std::string& name) {
    EXPECT_TRUE(image.save(dir.filePath(QString::fromStdString(name + ".png")))) << name;
  };
  const std::pair<Long, const char*> gates[] = {{kAndGate, "and"}, {kOrGate, "or"},
                                                {kNotGate, "not"}, {kNandGate, "nand"},
                                                {kNorGate, "nor"}, {kXorGate, "xor"}};
  for (const auto& [kind, name] : gates)
    for (int o = 0; o < 4; ++o) {
      save(GatePicture(kind, o), std::string(name) + std::to_string(o));
      save(GatePicture(kind, o, 2), std::string(name) + std::to_string(o) + "@2x");
    }
  for (const NamedPicture& p : kPictures) {
    save(p.draw(1), p.name);
    save(p.draw(2), std::string(p.name) + "@2x");
  }
  for (int i = 0; i < kIconCacheSize; ++i) save(CursorImage(IconCache(i)), "cursor" + std::to_string(i));
  for (int size : {16, 32, 64, 256}) save(AppIcon(size), "appicon" + std::to_string(size));
}

}  // namespace
}  // namespace tessara::artwork
