// make_icons: writes the desktop icons, drawn by the program's own artwork, as PNGs
// in the layout of an icon theme folder:
//   OUTDIR/<N>x<N>/apps/tessara.png                          the program
//   OUTDIR/<N>x<N>/mimetypes/application-x-tessara-circuit.png  a circuit file
// Usage: make_icons OUTDIR SIZE...   Exit status 0, or 1 with a line on stderr.
// It paints on images only, so it needs no display.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

#include "picture/artwork/artwork.h"

namespace {

// A circuit file: a white page with its top right corner folded, the program's
// icon on it.
QImage DocumentIcon(int size) {
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal line = std::max(1.0, size / 32.0);
  const QRectF page(size * 0.12 + line / 2, line / 2, size * 0.76 - line, size - line);
  const qreal fold = size * 0.25;
  QPainterPath outline;
  outline.moveTo(page.topLeft());
  outline.lineTo(page.right() - fold, page.top());
  outline.lineTo(page.right(), page.top() + fold);
  outline.lineTo(page.bottomRight());
  outline.lineTo(page.bottomLeft());
  outline.closeSubpath();
  painter.setPen(QPen(QColor(96, 96, 96), line));
  painter.setBrush(Qt::white);
  painter.drawPath(outline);
  painter.setBrush(QColor(208, 208, 208));
  painter.drawPolygon(QPolygonF({QPointF(page.right() - fold, page.top()),
                                 QPointF(page.right() - fold, page.top() + fold),
                                 QPointF(page.right(), page.top() + fold)}));
  const int inner = static_cast<int>(size * 0.56);
  painter.drawImage(QPointF((size - inner) / 2.0, size - inner - size * 0.12),
                    tessara::artwork::AppIcon(inner));
  return icon;
}

bool Save(const QImage& image, const QString& folder, const QString& name) {
  if (!QDir().mkpath(folder)) return false;
  return image.save(folder + QLatin1Char('/') + name, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  if (arguments.size() < 3) {
    std::fputs("Usage: make_icons OUTDIR SIZE...\n", stderr);
    return 1;
  }
  for (const QString& text : arguments.mid(2)) {
    bool number = false;
    const int size = text.toInt(&number);
    if (!number || size < 16 || size > 1024) {
      std::fprintf(stderr, "make_icons: bad size %s\n", qPrintable(text));
      return 1;
    }
    const QString folder = arguments[1] + QStringLiteral("/%1x%1/").arg(size);
    if (!Save(tessara::artwork::AppIcon(size), folder + "apps", "tessara.png") ||
        !Save(DocumentIcon(size), folder + "mimetypes", "application-x-tessara-circuit.png")) {
      std::fprintf(stderr, "make_icons: cannot write into %s\n", qPrintable(folder));
      return 1;
    }
  }
  return 0;
}
