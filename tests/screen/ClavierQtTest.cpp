#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>

#include "screen/BancQt.h"
#include "screen/ClavierQt.h"
#include "support/GardeFou.h"
#include "support/NomDeCas.h"

namespace korvane::test {
namespace {

struct CasTouche {
  std::string Nom;
  int Touche;
  Qt::KeyboardModifiers Modificateurs;
  QString Texte;
  bool Arret;
  std::string Lue;       // what INKEY$ then gives
  quint32 Symbole = 0;   // the system's own code of the key
};

class Frappe : public ::testing::TestWithParam<CasTouche> {};

TEST_P(Frappe, StopsOrRecordsTheCharacter) {
  const CasTouche& cas = GetParam();
  ClavierQt clavier;
  const QKeyEvent touche(QEvent::KeyPress, cas.Touche, cas.Modificateurs, 0, cas.Symbole, 0, cas.Texte);

  EXPECT_EQ(clavier.Frappe(touche), cas.Arret || !cas.Lue.empty());
  EXPECT_EQ(clavier.ArretDemande(), cas.Arret);
  EXPECT_EQ(clavier.ToucheLue(), cas.Lue);
  EXPECT_EQ(clavier.ToucheLue(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Clavier, Frappe,
    ::testing::Values(CasTouche{"echap", Qt::Key_Escape, Qt::NoModifier, "\x1b", true, ""},
                      CasTouche{"ctrl pause", Qt::Key_Pause, Qt::ControlModifier, "", true, ""},
                      CasTouche{"ctrl pause xkb", 0, Qt::ControlModifier, "", true, "", 0xff6b},
                      CasTouche{"pause", Qt::Key_Pause, Qt::NoModifier, "", false, ""},
                      CasTouche{"break", Qt::Key_Cancel, Qt::ControlModifier, "", true, ""},
                      CasTouche{"a", Qt::Key_A, Qt::NoModifier, "a", false, "a"},
                      CasTouche{"e aigu", Qt::Key_Eacute, Qt::NoModifier, "é", false, "\xe9"},
                      CasTouche{"euro", Qt::Key_unknown, Qt::NoModifier, "€", false, "\x80"},
                      CasTouche{"entree", Qt::Key_Return, Qt::NoModifier, "\r", false, "\r"},
                      CasTouche{"F1", Qt::Key_F1, Qt::NoModifier, "", false, ""},
                      CasTouche{"hors cp1252", Qt::Key_unknown, Qt::NoModifier, "Ж", false, ""}),
    [](const ::testing::TestParamInfo<CasTouche>& info) { return NomDeCas(info.index, info.param.Nom); });

TEST_F(BancQt, EscapeInTheRunWindowStopsAnEndlessLoopAndTheNextRunStartsAfresh) {
  QElapsedTimer depuisLaTouche;
  const GardeFou garde(Hote);
  QTimer::singleShot(0, [&] {
    depuisLaTouche.start();
    QTest::keyClick(&Hote.Fenetre(), Qt::Key_Escape);
  });

  const Issue issue = Lance({"BOUCLE:", "GOTO BOUCLE"});

  EXPECT_LT(depuisLaTouche.elapsed(), 1000);
  EXPECT_EQ(issue.Resultat, 1);
  EXPECT_TRUE(issue.Debut == 0 || issue.Debut == 1) << issue.Debut;
  EXPECT_EQ(Lance({"REM"}).Resultat, 0);
}

TEST_F(BancQt, KeysPressedInTheRunWindowReachInkey) {
  const GardeFou garde(Hote);
  QTimer::singleShot(0, [&] {
    Tape(&Hote.Fenetre(), "é");
    QTest::keyClick(&Hote.Fenetre(), Qt::Key_F1);
    Tape(&Hote.Fenetre(), "z");
  });

  Lance({"DIM A AS STRING", "DIM B AS STRING", "ATTEND:", "A = INKEY$", "IF A = \"\" THEN ATTEND", "B = INKEY$"});

  EXPECT_EQ(Valeur("A"), Cp("é"));
  EXPECT_EQ(Valeur("B"), "z");
}

}  // namespace
}  // namespace korvane::test
