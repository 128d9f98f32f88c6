// Gate pictures: sizes per orientation, the exact pin pixels of every kind and
// orientation, and where the pins land when the picture is stretched over the
// 800-twip gate cell.
#include <QImage>

#include <gtest/gtest.h>

#include <vector>

#include "app/artwork.h"

namespace tessara::artwork {
namespace {

const Long kGateKinds[] = {kAndGate, kOrGate, kNotGate, kNandGate, kNorGate, kXorGate};
constexpr int kOrientations = 4;
constexpr double kImageTwips = 795;  // a gate image: the picture stretched to 53 x 53 pixels
constexpr double kPinTolerance = 30; // two pixels

bool IsBlack(const QImage& image, QPoint p) { return image.pixel(p) == qRgb(0, 0, 0); }
bool IsWhite(const QImage& image, QPoint p) { return image.pixel(p) == qRgb(255, 255, 255); }
bool IsBlack(const QImage& image, int x, int y) { return IsBlack(image, QPoint(x, y)); }
bool IsWhite(const QImage& image, int x, int y) { return IsWhite(image, QPoint(x, y)); }

// Pixel (x, y) of the orientation-0 picture, as the picture of orientation o shows it:
// 1 turned a quarter anticlockwise, 2 mirrored, 3 the mirror of 1.
QPoint Turned(QPoint p, int o) {
  switch (o) {
    case 1: return {p.y(), 57 - p.x()};
    case 2: return {57 - p.x(), p.y()};
    case 3: return {p.y(), p.x()};
    default: return p;
  }
}

// A stub as the orientation-0 picture has it: two rows from the first, its outer end
// at column endColumn (1 for an input, 56 for the output), running inwards by step.
struct Stub {
  int firstRow;
  int endColumn;
  int step;
};
constexpr Stub kInput0{9, 1, 1};
constexpr Stub kInput1{41, 1, 1};
constexpr Stub kNotInput{25, 1, 1};
constexpr Stub kOutput{26, 56, -1};

std::vector<Stub> StubsOf(Long kind) {
  if (kind == kNotGate) return {kNotInput, kOutput};
  return {kInput0, kInput1, kOutput};
}

TEST(GatePicture, IsWideForOrientationsZeroAndTwoTallForOneAndThreeAndTwiceTheSizeAtScaleTwo) {
  for (Long kind : kGateKinds)
    for (int o = 0; o < kOrientations; ++o) {
      SCOPED_TRACE(testing::Message() << "kind " << kind << " orientation " << o);
      const QImage picture = GatePicture(kind, o), big = GatePicture(kind, o, 2);
      EXPECT_EQ(picture.size(), o % 2 == 0 ? QSize(58, 53) : QSize(53, 58));
      EXPECT_EQ(picture.format(), QImage::Format_RGB32);
      EXPECT_EQ(picture.devicePixelRatio(), 1);
      EXPECT_EQ(big.size(), picture.size() * 2);
      EXPECT_EQ(big.devicePixelRatio(), 2);
      EXPECT_EQ(big.deviceIndependentSize(), QSizeF(picture.size()));
    }
  const QImage big = GatePicture(kOrGate, 0, 2);  // input 0 on rows 18-21 from column 2
  for (int y = 18; y <= 21; ++y) EXPECT_TRUE(IsBlack(big, 2, y));
  EXPECT_TRUE(IsWhite(big, 2, 17) && IsWhite(big, 2, 22) && IsWhite(big, 1, 18));
}

TEST(GatePicture, IsNullForKindsWithoutASymbolAndForUnknownOrientations) {
  for (Long kind : {kNoGate, 1, kInputGate, kOutputGate, kBufferGate, 11})
    EXPECT_TRUE(GatePicture(kind, 0).isNull()) << "kind " << kind;
  EXPECT_TRUE(GatePicture(kAndGate, 4).isNull());
  EXPECT_TRUE(GatePicture(kAndGate, -1).isNull());
}

TEST(GatePicture, StubsLieExactlyOnTheirPixelRowsInEveryOrientation) {
  for (Long kind : kGateKinds)
    for (int o = 0; o < kOrientations; ++o) {
      const QImage picture = GatePicture(kind, o);
      for (const Stub& stub : StubsOf(kind)) {
        SCOPED_TRACE(testing::Message() << "kind " << kind << " orientation " << o << " stub row "
                                        << stub.firstRow);
        const int top = stub.firstRow, bottom = stub.firstRow + 1, end = stub.endColumn;
        for (int along = 0; along < 4; ++along) {
          const int x = end + along * stub.step;
          EXPECT_TRUE(IsBlack(picture, Turned({x, top}, o)));
          EXPECT_TRUE(IsBlack(picture, Turned({x, bottom}, o)));
          EXPECT_TRUE(IsWhite(picture, Turned({x, top - 1}, o)));
          EXPECT_TRUE(IsWhite(picture, Turned({x, bottom + 1}, o)));
        }
        EXPECT_TRUE(IsWhite(picture, Turned({end - stub.step, top}, o)));
        EXPECT_TRUE(IsWhite(picture, Turned({end - stub.step, bottom}, o)));
      }
    }
}

// The sides of a picture, and the centres (in twips along that side of the
// stretched 795-twip image) of the black runs on the pixel line one in from it.
enum class Side { Left, Top, Right, Bottom };

std::vector<double> PinsAlong(const QImage& picture, Side side) {
  const bool vertical = side == Side::Left || side == Side::Right;
  const int length = vertical ? picture.height() : picture.width();
  const int line = side == Side::Left || side == Side::Top ? 1
                   : vertical                              ? picture.width() - 2
                                                           : picture.height() - 2;
  std::vector<double> pins;
  int runStart = -1;
  for (int i = 0; i <= length; ++i) {
    const bool black = i < length && (vertical ? IsBlack(picture, line, i) : IsBlack(picture, i, line));
    if (black && runStart < 0) runStart = i;
    if (!black && runStart >= 0) {
      pins.push_back((runStart + i) / 2.0 / length * kImageTwips);
      runStart = -1;
    }
  }
  return pins;
}

Side OutputSide(int o) { return std::vector{Side::Right, Side::Top, Side::Left, Side::Bottom}[o]; }
Side InputSide(int o) { return std::vector{Side::Left, Side::Bottom, Side::Right, Side::Top}[o]; }

// Input offsets along the input side, from the upper or left end of the cell.
std::vector<double> InputOffsets(Long kind) {
  if (kind == kNotGate) return {400};
  return {150, 600};
}

void ExpectPins(const std::vector<double>& actual, const std::vector<double>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], kPinTolerance);
}

TEST(GatePicture, StretchedPinsFallWhereLinksAttachOnTheCell) {
  for (Long kind : kGateKinds)
    for (int o = 0; o < kOrientations; ++o) {
      SCOPED_TRACE(testing::Message() << "kind " << kind << " orientation " << o);
      const QImage picture = GatePicture(kind, o);
      ExpectPins(PinsAlong(picture, OutputSide(o)), {400});
      ExpectPins(PinsAlong(picture, InputSide(o)), InputOffsets(kind));
      for (Side side : {Side::Left, Side::Top, Side::Right, Side::Bottom}) {
        if (side == OutputSide(o) || side == InputSide(o)) continue;
        EXPECT_TRUE(PinsAlong(picture, side).empty());
      }
    }
}

// The turned pictures are the same drawing: against the orientation-0 picture turned
// pixel by pixel, their inked pixels differ only in a few antialiased edge pixels.
TEST(GatePicture, OtherOrientationsAreTheSameDrawingTurned) {
  for (Long kind : kGateKinds)
    for (int o = 1; o < kOrientations; ++o) {
      SCOPED_TRACE(testing::Message() << "kind " << kind << " orientation " << o);
      const QImage upright = GatePicture(kind, 0);
      const QImage turned = GatePicture(kind, o);
      int differing = 0;
      for (int y = 0; y < upright.height(); ++y)
        for (int x = 0; x < upright.width(); ++x) {
          const bool inked = qGray(upright.pixel(x, y)) < 128;
          differing += inked != (qGray(turned.pixel(Turned({x, y}, o))) < 128);
        }
      EXPECT_LE(differing, 8);
    }
}

}  // namespace
}  // namespace tessara::artwork
