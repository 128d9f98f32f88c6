#include "app/circuit_pictures.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "app/canvas.h"
#include "app/run_clock.h"
#include "editor/file_dialogs.h"
#include "editor/refusals.h"
#include "picture/circuit_picture.h"

namespace tessara::app {

CanvasLook LookOf(const CanvasPanel& canvas) {
  return {canvas.font(), canvas.ColourWires(), CanvasPanel::tr("Inputs"),
          CanvasPanel::tr("Outputs"), 1};
}

void ExportCircuitPicture(Form& form, const CanvasPanel& canvas) {
  const std::string path = ChooseFileToSave(form, FilePurpose::CircuitPicture);
  if (path.empty()) return;
  const bool twice = form.chosen[static_cast<std::size_t>(FilePurpose::CircuitPicture)].filter == 1;
  if (std::optional<Phrase> failed =
          SaveCircuitPicture(form.screen, LookOf(canvas), path, twice ? 2 : 1)) {
    RefuseSave(form.screen, path, {*failed, 0});
  }
}

void CopyCircuitPicture(Form& form, const CanvasPanel& canvas) {
  const CanvasLook look = LookOf(canvas);
  CopyToClipboard(CircuitImage(form.screen, look, qRound(canvas.devicePixelRatioF())),
                  CircuitSvg(form.screen, look));
}

void PrintCircuit(Form& form, const CanvasPanel& canvas, RunClock& clock, QWidget& parent) {
  clock.Stop();
  QPrinter printer;
  QPrintDialog dialog(&printer, &parent);
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter painter(&printer);
  const QRect page = painter.viewport();
  QFont small = canvas.font();
  small.setPointSizeF(8);
  painter.setFont(small);
  const QString name = form.FilePath.empty()
                           ? CanvasPanel::tr("Untitled circuit")
                           : QFileInfo(QString::fromStdString(form.FilePath)).fileName();
  const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
  const int header = painter.fontMetrics().height() * 2;
  painter.drawText(QRect(page.left(), page.top(), page.width(), header),
                   Qt::AlignLeft | Qt::AlignTop, name + QStringLiteral("    ") + date);
  const QRect used = UsedArea(form.screen);
  const QRect room = page.adjusted(0, header, 0, 0);
  const qreal scale =
      std::min(qreal(room.width()) / used.width(), qreal(room.height()) / used.height());
  painter.translate(room.topLeft());
  painter.scale(scale, scale);
  painter.translate(-used.topLeft());
  painter.setClipRect(used);
  CanvasLook look = LookOf(canvas);
  look.dpr = 4;
  DrawCanvas(painter, form.screen, look);
}

void CopyToClipboard(const QImage& image, const QByteArray& svg) {
  auto* data = new QMimeData;
  data->setImageData(image);
  if (!svg.isEmpty()) data->setData(QStringLiteral("image/svg+xml"), svg);
  QApplication::clipboard()->setMimeData(data);
}

}  // namespace tessara::app
