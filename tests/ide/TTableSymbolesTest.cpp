#include <QTest>

#include "BancDialogues.h"
#include "ide/TTableSymboles.h"

namespace korvane::test {
namespace {

QStringList Lignes(const QListWidget& liste) {
  QStringList lignes;
  for (int i = 0; i < liste.count(); ++i) lignes << liste.item(i)->text();
  return lignes;
}

const QString kRegle(79, '-');

class Stats : public BancDialogues {
 protected:
  TTableSymboles Dialogue;
};

TEST_F(Stats, ListsEveryRecordThenCountsThemByKind) {
  Lance({"DIM X AS INTEGER", "DIM T(3), N AS INTEGER", "DIM R AS REAL", "DIM NOM AS STRING", "GOSUB DEBUT", "END",
         "DEBUT:", "END", "SUB CALCUL", "END SUB"});
  ASSERT_EQ(Messages.Textes, std::vector<std::string>{});

  Dialogue.Remplit(It);

  EXPECT_EQ(Lignes(*Dialogue.ListBox1()),
            QStringList({"X , I , 1", "T( , I , 2", "N , I , 5", "R , R , 1", "NOM , S , 1", "DEBUT: , L , 6",
                         "CALCUL , P , 8", " ", kRegle, "Subs : 1", "Etiquettes : 1", "Var String : 1", "Var Int : 3",
                         "Var Real : 1", "Eléments en pile : 1"}));
}

TEST_F(Stats, AnEmptyTableStillHasTheRuleAndSixZeroCounters) {
  Dialogue.ListBox1()->addItem("ancienne ligne");

  Dialogue.Remplit(It);

  EXPECT_EQ(Lignes(*Dialogue.ListBox1()), QStringList({" ", kRegle, "Subs : 0", "Etiquettes : 0", "Var String : 0",
                                                       "Var Int : 0", "Var Real : 0", "Eléments en pile : 0"}));
}

TEST_F(Stats, OkOrEscapeFromAnyControlClosesIt) {
  EXPECT_EQ(Dialogue.windowTitle(), "Table des Symboles");
  EXPECT_EQ(Dialogue.Button1()->text(), "OK");
  for (QWidget* cible : std::initializer_list<QWidget*>{Dialogue.ListBox1(), Dialogue.Button1(), &Dialogue}) {
    Dialogue.show();
    QTest::keyClick(cible, Qt::Key_Escape);
    EXPECT_FALSE(Dialogue.isVisible()) << cible->metaObject()->className();
  }
  Dialogue.show();
  QTest::mouseClick(Dialogue.Button1(), Qt::LeftButton);
  EXPECT_FALSE(Dialogue.isVisible());
}

}  // namespace
}  // namespace korvane::test
