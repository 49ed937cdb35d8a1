#include <QTest>

#include "BancDialogues.h"
#include "ide/TParametres.h"
#include "support/NomDeCas.h"

namespace korvane::test {
namespace {

enum class Fin { OK, Entree, Annuler, Echap, BarreDeTitre };

// Each closing, in order, with the parameters text expected after it.
struct Cas {
  const char* Nom;
  std::vector<Fin> Fermetures;
  const char* Attendu;
};

class Param : public BancDialogues, public ::testing::WithParamInterface<Cas> {
 protected:
  void Ferme(Fin fin) {
    switch (fin) {
      case Fin::OK:
        QTest::mouseClick(Dialogue.Button1(), Qt::LeftButton);
        break;
      case Fin::Entree:
        QTest::keyClick(Dialogue.Edit1(), Qt::Key_Return);
        break;
      case Fin::Annuler:
        QTest::mouseClick(Dialogue.Button2(), Qt::LeftButton);
        break;
      case Fin::Echap:
        QTest::keyClick(Dialogue.Edit1(), Qt::Key_Escape);
        break;
      case Fin::BarreDeTitre:
        Dialogue.close();
        break;
    }
  }

  TParametres Dialogue;
};

// Opening n types "texte n" over the text it was given.
TEST_P(Param, TheLastChoiceDecidesWhetherTheTextIsKept) {
  It.ChangeParametres(Cp("déjà"));
  int n = 0;
  for (const Fin fin : GetParam().Fermetures) {
    Dialogue.Ouvre(It);
    Dialogue.show();
    Dialogue.Edit1()->setText(QString("texte %1").arg(++n));
    Ferme(fin);
    ASSERT_FALSE(Dialogue.isVisible());
    Dialogue.Applique(It);
  }
  EXPECT_EQ(Cp1252VersUtf8(It.TexteParametres()), GetParam().Attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Param,
    ::testing::Values(Cas{"OK accepts", {Fin::OK}, "texte 1"}, Cas{"Enter accepts", {Fin::Entree}, "texte 1"},
                      Cas{"Annuler refuses", {Fin::Annuler}, "déjà"}, Cas{"Escape refuses", {Fin::Echap}, "déjà"},
                      Cas{"title bar refuses at first", {Fin::BarreDeTitre}, "déjà"},
                      Cas{"title bar repeats an accept", {Fin::OK, Fin::BarreDeTitre}, "texte 2"},
                      Cas{"title bar repeats a refusal", {Fin::OK, Fin::Echap, Fin::BarreDeTitre}, "texte 1"}),
    [](const auto& info) { return NomDeCas(info.index, info.param.Nom); });

using ParamDialogue = BancDialogues;

TEST_F(ParamDialogue, ShowsTheCurrentTextUnderItsCaptions) {
  It.ChangeParametres(Cp("été"));
  TParametres dialogue;
  dialogue.Ouvre(It);
  EXPECT_EQ(dialogue.Edit1()->text(), "été");
  EXPECT_EQ(dialogue.windowTitle(), "Pamètres d'exécution");
  EXPECT_EQ(dialogue.Button1()->text(), "OK");
  EXPECT_EQ(dialogue.Button2()->text(), "Annuler");
}

}  // namespace
}  // namespace korvane::test
