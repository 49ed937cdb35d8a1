#pragma once
// The interpreter on the Qt host, with recording message boxes and printer, and helpers
// that read the run window's pixels and act in the input box while it waits.

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "interpreter/Interpreteur.h"
#include "screen/HoteQt.h"
#include "support/Banc.h"

namespace korvane::test {

class BancQt : public ::testing::Test {
 protected:
  struct Issue {
    int Resultat;
    int Debut;
  };

  Issue Lance(std::vector<std::string> lignes, const std::string& fichier = "prog.bas") {
    Texte.Lignes = std::move(lignes);
    int debut = 0, resultat = 0;
    const int pas = 0;
    It.InitPrg(fichier);
    It.Exec(Texte, debut, resultat, pas);
    return {resultat, debut};
  }

  // What the run window shows.
  QImage Ecran() { return Hote.Fenetre().grab().toImage(); }

  // The value text of a simple variable, in Windows-1252.
  std::string Valeur(const std::string& nom) {
    const Symbole* s = It.ChercheEtiq(nom);
    return s ? It.LitValeur(s->Adresse, s->Genre).value_or("?") : "?";
  }

  // Runs `action` once the input box is open, from its modal loop.
  void QuandSaisie(std::function<void(TForm12&)> action) {
    auto* attente = new QTimer(&Hote.Saisie());
    QObject::connect(attente, &QTimer::timeout, attente, [this, attente, action = std::move(action)] {
      if (!Hote.Saisie().isVisible()) return;
      attente->deleteLater();
      attente->stop();
      action(Hote.Saisie());
    });
    attente->start(5);
  }

  FauxMessages Messages;
  FausseImprimante Printer;
  HoteQt Hote{Messages, Printer};
  Interpreteur It{Hote.Monde()};
  FauxProgramme Texte;
};

// Types `texte` into `cible`, accented letters included (QTest::keyClicks takes ASCII only).
inline void Tape(QWidget* cible, const QString& texte) {
  for (const QChar c : texte)
    QTest::sendKeyEvent(QTest::Click, cible, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

// The smallest rectangle holding every pixel of colour `couleur`; empty when there is none.
inline QRect Encre(const QImage& image, QColor couleur) {
  QRect encre;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == couleur) encre |= QRect(x, y, 1, 1);
  return encre;
}

}  // namespace korvane::test
