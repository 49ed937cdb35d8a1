#include "ide/TSplash.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include "ide/Icone.h"

namespace korvane {
namespace {

// Blue, with a raised bevel drawn by hand so that it looks the same under every style.
class Panneau : public QWidget {
  Q_OBJECT

 public:
  explicit Panneau(QWidget* parent) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter peintre(this);
    const QRect r = rect();
    peintre.fillRect(r, Qt::blue);
    for (int i = 0; i < TSplash::Biseau; ++i) {
      const QRect c = r.adjusted(i, i, -i, -i);
      peintre.setPen(QColor(128, 128, 255));
      peintre.drawLine(c.topLeft(), c.topRight());
      peintre.drawLine(c.topLeft(), c.bottomLeft());
      peintre.setPen(QColor(0, 0, 96));
      peintre.drawLine(c.bottomLeft(), c.bottomRight());
      peintre.drawLine(c.topRight(), c.bottomRight());
    }
  }
};

QLabel* Ligne(const QString& texte, int taille, bool gras, const QColor& couleur, QWidget* parent) {
  auto* ligne = new QLabel(texte, parent);
  QFont police(QStringLiteral("DejaVu Sans"));
  police.setPixelSize(taille);
  police.setBold(gras);
  ligne->setFont(police);
  QPalette palette = ligne->palette();
  palette.setColor(QPalette::WindowText, couleur);
  ligne->setPalette(palette);
  return ligne;
}

}  // namespace

TSplash::TSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setFixedSize(Largeur, Hauteur);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::yellow);
  setPalette(palette);
  setAutoFillBackground(true);

  auto* panneau = new Panneau(this);
  panneau->setGeometry(rect().adjusted(Marge, Marge, -Marge, -Marge));

  auto* image = new QLabel(panneau);
  image->setPixmap(ImageKorvane(96));

  auto* textes = new QVBoxLayout;
  textes->addStretch();
  textes->addWidget(Ligne(QStringLiteral("Korvane"), 30, true, Qt::black, panneau));
  textes->addWidget(Ligne(QStringLiteral("Version 2.0"), 15, false, Qt::white, panneau));
  textes->addSpacing(24);
  textes->addWidget(Ligne(QStringLiteral("Équipe Korvane"), 13, false, Qt::white, panneau));
  textes->addStretch();

  auto* disposition = new QHBoxLayout(panneau);
  disposition->setContentsMargins(14, 10, 10, 10);
  disposition->setSpacing(16);
  disposition->addWidget(image);
  disposition->addLayout(textes, 1);
}

std::unique_ptr<TSplash> TSplash::Affiche() {
  auto splash = std::make_unique<TSplash>();
  if (const QScreen* ecran = QGuiApplication::primaryScreen())
    splash->move(ecran->geometry().center() - splash->rect().center());
  splash->show();
  splash->repaint();
  QApplication::processEvents();
  return splash;
}

}  // namespace korvane

#include "TSplash.moc"
