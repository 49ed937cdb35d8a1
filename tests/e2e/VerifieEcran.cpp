// verifie-ecran ecran|saisie|agrandie WINDOW_ID OUT.png: grabs an X window as the screen shows it, saves
// it, and checks that it shows what tests/e2e/ecran.bas draws (red text on the first line, then
// a box outlined in black), or text typed in the input box. A window covered by another one
// shows the other one's pixels, so the checks fail when the window is not on top.

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

namespace {

bool Rouge(QColor c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; }
bool Noir(QColor c) { return c.lightness() < 80; }

int Compte(const QImage& image, QRect zone, bool (*test)(QColor)) {
  int n = 0;
  for (int y = zone.top(); y <= zone.bottom(); ++y)
    for (int x = zone.left(); x <= zone.right(); ++x)
      if (image.valid(x, y) && test(image.pixelColor(x, y))) ++n;
  return n;
}

bool Echec(const char* raison) {
  std::fprintf(stderr, "verifie-ecran : %s\n", raison);
  return false;
}

bool VerifieEcran(const QImage& image) {
  if (image.width() < 320 || image.height() < 220) return Echec("fenêtre trop petite");
  if (Compte(image, QRect(0, 0, 300, 18), Rouge) < 100) return Echec("pas de texte rouge sur la première ligne");
  if (Compte(image, QRect(0, 19, 320, 30), Rouge) > 0) return Echec("du rouge sous la première ligne");
  // The box's top and bottom edges, and a blank inside.
  if (Compte(image, QRect(30, 59, 260, 3), Noir) < 250) return Echec("pas de bord haut du cadre");
  if (Compte(image, QRect(30, 199, 260, 3), Noir) < 250) return Echec("pas de bord bas du cadre");
  if (Compte(image, QRect(40, 80, 240, 100), Noir) > 0) return Echec("le cadre n'est pas vide");
  return true;
}

bool VerifieSaisie(const QImage& image) {
  if (Compte(image, image.rect(), Noir) < 30) return Echec("pas de texte dans la boîte de saisie");
  return true;
}

// Enlarged after a CLS: nothing black where the client area used to end (x 639, y 449).
bool VerifieAgrandie(const QImage& image) {
  if (image.width() < 700 || image.height() < 500) return Echec("fenêtre pas agrandie");
  if (Compte(image, QRect(600, 250, 80, 40), Noir) > 0) return Echec("un trait noir à droite de l'ancienne zone");
  if (Compte(image, QRect(350, 420, 40, 60), Noir) > 0) return Echec("un trait noir sous l'ancienne zone");
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 4) return 64;
  const QByteArray quoi(argv[1]);
  bool ok = false;
  const WId fenetre = QByteArray(argv[2]).toULongLong(&ok, 0);
  if (!ok || (quoi != "ecran" && quoi != "saisie" && quoi != "agrandie")) return 64;
  const QImage image = QGuiApplication::primaryScreen()->grabWindow(fenetre).toImage();
  image.save(QString::fromLocal8Bit(argv[3]));
  const bool bon = quoi == "ecran" ? VerifieEcran(image) : quoi == "saisie" ? VerifieSaisie(image) : VerifieAgrandie(image);
  return bon ? 0 : 1;
}
