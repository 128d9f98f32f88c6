#include "app/picture_actions.h"

#include <QAction>
#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <QWidget>

#include "app/circuit_pictures.h"
#include "editor/file_dialogs.h"
#include "editor/refusals.h"
#include "io/replace_file.h"
#include "picture/picture_format.h"

namespace tessara::app {
namespace {

QByteArray Svg(QWidget& drawn) {
  QBuffer buffer;
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(drawn.size());
  svg.setViewBox(drawn.rect());
  svg.setTitle(drawn.window()->windowTitle());
  QPainter painter(&svg);
  drawn.render(&painter);
  painter.end();
  return buffer.data();
}

QByteArray Png(QWidget& drawn) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  drawn.grab().save(&buffer, "PNG");
  return bytes;
}

void Save(Form& form, QWidget& drawn) {
  const std::string path = ChooseFileToSave(form, FilePurpose::WindowPicture);
  if (path.empty()) return;
  const QByteArray bytes = PictureFormatOf(path) == PictureFormat::Svg ? Svg(drawn) : Png(drawn);
  if (const auto reason = ReplaceFile(
          path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
    RefuseSave(form.screen, path, {*reason, 0});
  }
}

}  // namespace

void AddPictureActions(QWidget& widget, QWidget& drawn, Form* form) {
  widget.setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* copy =
      new QAction(QCoreApplication::translate("PictureActions", "Copy as Picture"), &widget);
  copy->setObjectName(widget.objectName() + QStringLiteral("AsPicture"));
  QObject::connect(copy, &QAction::triggered, &widget,
                   [&drawn] { CopyToClipboard(drawn.grab().toImage(), Svg(drawn)); });
  widget.addAction(copy);
  if (!form) return;
  auto* save =
      new QAction(QCoreApplication::translate("PictureActions", "Save Picture..."), &widget);
  save->setObjectName(widget.objectName() + QStringLiteral("SavePicture"));
  QObject::connect(save, &QAction::triggered, &widget, [form, &drawn] { Save(*form, drawn); });
  widget.addAction(save);
}

}  // namespace tessara::app
