#include "app/about_window.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "app/elements.h"
#include "app/twips.h"

namespace tessara::app {
namespace {

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutWindow"));
  setWindowTitle(tr("About MyApp"));
  setFixedSize(TwipsRect(0, 0, 5730, 3555).size());

  auto* image =
      new PictureElement(this, {Art::Kind::Gate, kAndGate, 0}, TwipsRect(360, 240, 795, 795));
  image->setObjectName(QStringLiteral("AboutPicture"));

  QLabel* title =
      AddLabel(this, "lblTitle", QStringLiteral("Tessara"), TwipsRect(1650, 240, 3885, 480));
  QFont large = title->font();
  large.setPointSizeF(large.pointSizeF() * 1.6);
  large.setBold(true);
  title->setFont(large);

  AddLabel(this, "lblVersion", tr("Version: 1.0"), TwipsRect(1650, 780, 3885, 225));
  AddLabel(this, "lblDescription", tr("This program is meant for learning about logic.   "),
           TwipsRect(1650, 1125, 3885, 1170))
      ->setWordWrap(true);
  AddLabel(this, "lblDisclaimer(0)", QString(), TwipsRect(255, 2625, 3870, 225));
  AddLabel(this, "lblDisclaimer(1)", tr("Gate pictures drawn by Tessara"),
           TwipsRect(240, 2880, 3870, 225));
  AddLabel(this, "lblDisclaimer(2)", QStringLiteral("Quillmarsh"), TwipsRect(240, 3240, 3870, 225));

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setGeometry(TwipsRect(4245, 2625, 1260, 345));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

// The etched rule Line1: a grey line with a white one just under it.
void AboutWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QColor(128, 128, 128));
  painter.drawLine(TwipsPoint(90, 2445), TwipsPoint(5654, 2445));
  painter.setPen(Qt::white);
  painter.drawLine(TwipsPoint(105, 2460), TwipsPoint(5654, 2460));
}

}  // namespace tessara::app
