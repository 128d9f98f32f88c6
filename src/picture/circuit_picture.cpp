#include "picture/circuit_picture.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "io/replace_file.h"

namespace tessara::app {
namespace {

constexpr int kVectorImageScale = 4;

// Draws the used area with its corner at the painter's origin.
void DrawUsed(QPainter& painter, ScreenElements& elements, const CanvasLook& look, QRect used) {
  painter.translate(-used.topLeft());
  painter.setClipRect(used);
  DrawCanvas(painter, elements, look);
}

}  // namespace

QImage CircuitImage(ScreenElements& elements, CanvasLook look, int scale) {
  const QRect used = UsedArea(elements);
  QImage image(used.size() * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  look.dpr = scale;
  QPainter painter(&image);
  DrawUsed(painter, elements, look, used);
  return image;
}

QByteArray CircuitSvg(ScreenElements& elements, CanvasLook look) {
  const QRect used = UsedArea(elements);
  QBuffer buffer;
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(used.size());
  svg.setViewBox(QRect(QPoint(0, 0), used.size()));
  svg.setTitle(QStringLiteral("Tessara circuit"));
  look.dpr = kVectorImageScale;
  QPainter painter(&svg);
  DrawUsed(painter, elements, look, used);
  painter.end();
  return buffer.data();
}

// At 96 dots per inch a logical pixel is a dot, as on the screen.
QByteArray CircuitPdf(ScreenElements& elements, CanvasLook look) {
  const QRect used = UsedArea(elements);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setResolution(96);
  pdf.setPageSize(QPageSize(QSizeF(used.size()) * 72 / 96, QPageSize::Point));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  pdf.setTitle(QStringLiteral("Tessara circuit"));
  look.dpr = kVectorImageScale;
  QPainter painter(&pdf);
  DrawUsed(painter, elements, look, used);
  painter.end();
  return buffer.data();
}

std::optional<Phrase> SaveCircuitPicture(ScreenElements& elements, const CanvasLook& look,
                                         const std::string& path, int scale) {
  const std::optional<PictureFormat> format = PictureFormatOf(path);
  if (!format) {
    return Words("Files", TESSARA_PHRASE(
                              "Files", "the name ends in no picture suffix (.png, .svg or .pdf)"));
  }
  QByteArray bytes;
  switch (*format) {
    case PictureFormat::Png: {
      QBuffer buffer(&bytes);
      buffer.open(QIODevice::WriteOnly);
      CircuitImage(elements, look, scale).save(&buffer, "PNG");
      break;
    }
    case PictureFormat::Svg:
      bytes = CircuitSvg(elements, look);
      break;
    case PictureFormat::Pdf:
      bytes = CircuitPdf(elements, look);
      break;
  }
  return ReplaceFile(path,
                     std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace tessara::app
