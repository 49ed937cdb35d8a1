#include <QTest>

#include "BancDialogues.h"
#include "ide/TVariable.h"
#include "support/NomDeCas.h"

namespace korvane::test {
namespace {

struct Cas {
  const char* Saisie;
  const char* Resultat;  // Edit2 afterwards; it held "avant"
  std::vector<std::string> Messages;
  bool Selectionne;  // Edit1 wholly selected, ready for the next name
};

class Examiner : public BancDialogues, public ::testing::WithParamInterface<Cas> {
 protected:
  void SetUp() override {
    It.ChangeSeparateurDecimal(',');
    Lance({"DIM N AS INTEGER", "DIM T(3) AS INTEGER", "DIM X, Z AS REAL", "DIM S AS STRING", "N = 3", "T(3) = 7",
           "X = 2,5", Cp("S = \"été\""), "END", "FIN:", "SUB CALCUL", "END SUB"});
    ASSERT_TRUE(Messages.Textes.empty());
  }

  TVariable Dialogue{It};
};

TEST_P(Examiner, EnterShowsTheValueOfTheTypedName) {
  const Cas& cas = GetParam();
  Dialogue.show();
  Dialogue.Edit2()->setText("avant");
  Dialogue.Edit1()->setText(QString::fromUtf8(cas.Saisie));

  QTest::keyClick(Dialogue.Edit1(), Qt::Key_Return);

  EXPECT_EQ(Dialogue.Edit2()->text(), QString::fromUtf8(cas.Resultat));
  EXPECT_EQ(Messages.Textes, cas.Messages);
  EXPECT_EQ(Dialogue.Edit1()->selectedText() == Dialogue.Edit1()->text(), cas.Selectionne);
  EXPECT_TRUE(Dialogue.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Cas, Examiner,
                         ::testing::Values(Cas{"n", "3", {}, true}, Cas{"T(3)", "7", {}, true},
                                           Cas{"t(n)", "7", {}, true}, Cas{"X", "2,5", {}, true},
                                           Cas{"Z", "0", {}, true}, Cas{"s", "été", {}, true},
                                           Cas{"fin:", "fin:", {}, true}, Cas{"Calcul", "Calcul", {}, true},
                                           Cas{"INCONNU", "Variable inconnue", {}, false},
                                           Cas{"T(3", "Erreur de syntaxe", {}, false},
                                           Cas{"T(Z)", "avant", {"Indice de type incorrect"}, false},
                                           Cas{"T(B)", "avant", {"Erreur dans indice"}, false},
                                           Cas{"T(5000)", "avant", {"Erreur dans indice"}, false}),
                         [](const auto& info) { return NomDeCas(info.index, info.param.Saisie); });

class TVariableDialogue : public BancDialogues {
 protected:
  TVariable Dialogue{It};
};

TEST_F(TVariableDialogue, TheResultIsReadOnlyAndOutOfTheTabOrder) {
  EXPECT_EQ(Dialogue.windowTitle(), "Examiner variable");
  EXPECT_EQ(Dialogue.Button1()->text(), "Fermer");
  EXPECT_TRUE(Dialogue.Edit2()->isReadOnly());
  EXPECT_FALSE(Dialogue.Edit2()->focusPolicy() & Qt::TabFocus);
}

TEST_F(TVariableDialogue, EscapeInTheNameClosesIt) {
  Dialogue.show();
  QTest::keyClick(Dialogue.Edit1(), Qt::Key_Escape);
  EXPECT_FALSE(Dialogue.isVisible());
}

}  // namespace
}  // namespace korvane::test
