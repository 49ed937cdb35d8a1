#include "ide/Icone.h"

#include <QApplication>
#include <QPainter>
#include <QSvgRenderer>

// The resource lives in a static library, whose registration the linker would otherwise drop.
// Outside any namespace, as the registration function it names is global.
static void ChargeRessources() {
  static const bool charge = [] {
    Q_INIT_RESOURCE(korvane);
    return true;
  }();
  (void)charge;
}

namespace korvane {

QPixmap ImageKorvane(int cote) {
  ChargeRessources();
  QPixmap image(cote, cote);
  image.fill(Qt::transparent);
  QSvgRenderer dessin(QStringLiteral(":/korvane/korvane.svg"));
  if (!dessin.isValid()) return {};
  QPainter peintre(&image);
  dessin.render(&peintre);
  return image;
}

// Drawn at each size rather than scaled, so small sizes stay sharp; no SVG icon plugin needed.
QIcon IconeKorvane() {
  QIcon icone;
  for (const int cote : {16, 24, 32, 48, 64, 128, 256}) {
    const QPixmap image = ImageKorvane(cote);
    if (!image.isNull()) icone.addPixmap(image);
  }
  return icone;
}

void PoseIconeApplication(QApplication& application) { application.setWindowIcon(IconeKorvane()); }

}  // namespace korvane
