// Every wizard and dialog opens with the keyboard in its first field, each time it is shown,
// and Tab goes through the fields as they read, then the buttons.
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

#include "BancDialogues.h"
#include "ide/BoitesRecherche.h"
#include "ide/Controles.h"
#include "ide/TListeSel.h"
#include "ide/TParametres.h"
#include "ide/TTableSymboles.h"
#include "ide/TVariable.h"
#include "support/Attente.h"
#include "support/NomDeCas.h"
#include "tools/Assistants.h"

namespace korvane::test {
namespace {

// What the user reads on a control or on the label that names it; Tab stops once in a
// group of radio buttons, named by its box.
QString Nom(const QWidget* controle) {
  if (controle == nullptr) return QStringLiteral("(aucun)");
  const auto* boite = qobject_cast<const QGroupBox*>(controle->parentWidget());
  if (boite != nullptr && qobject_cast<const QRadioButton*>(controle) != nullptr) return boite->title();
  if (const auto* bouton = qobject_cast<const QAbstractButton*>(controle))
    return SansMnemonique(bouton->text()).trimmed();
  for (const auto* etiquette : controle->window()->findChildren<QLabel*>())
    if (etiquette->buddy() == controle) return SansMnemonique(etiquette->text());
  return QString::fromLatin1(controle->metaObject()->className());
}

// The find dialogs' buttons are active only with a text to find.
template <typename Boite>
std::unique_ptr<QDialog> AvecTexte() {
  auto boite = std::make_unique<Boite>();
  Champ(*boite, QStringLiteral("Rechercher :"))->setText(QStringLiteral("X"));
  return boite;
}

struct Cas {
  const char* nom;
  std::function<std::unique_ptr<QDialog>(Interpreteur&)> cree;
  QStringList ordre;  // from the opening focus, one Tab each
};

void PrintTo(const Cas& cas, std::ostream* flux) { *flux << cas.nom; }

const Cas kCas[] = {
    {"BoucleFor", [](Interpreteur&) { return std::make_unique<TBoucleFor>(); },
     {"Compteur", "Valeur initiale", "Valeur finale", "[Step]", "OK", "Annuler"}},
    {"BoucleWhile", [](Interpreteur&) { return std::make_unique<TBoucleWhile>(); },
     {"Opérande 1", "Opérateur", "Opérande 2", "OK", "Annuler"}},
    {"ConditionIf", [](Interpreteur&) { return std::make_unique<TConditionIf>(); },
     {"Opérande 1", "Opérateur", "Opérande 2", "ELSE", "OK", "Annuler"}},
    {"FileIO", [](Interpreteur&) { return std::make_unique<TFileIO>(); },
     {"Nom du fichier", "N° de canal", "Mode d'ouverture", "OK", "Annuler"}},
    {"MotsCle", [](Interpreteur&) { return std::make_unique<TMotsCle>(); }, {"QListWidget"}},
    {"ListeSel", [](Interpreteur&) { return std::make_unique<TListeSel>(); }, {"QListWidget"}},
    {"TableSymboles", [](Interpreteur&) { return std::make_unique<TTableSymboles>(); }, {"QListWidget", "OK"}},
    {"Parametres", [](Interpreteur&) { return std::make_unique<TParametres>(); }, {"Paramètres", "OK", "Annuler"}},
    {"Variable", [](Interpreteur& it) { return std::make_unique<TVariable>(it); }, {"Variable", "Fermer"}},
    {"Chercher", [](Interpreteur&) { return AvecTexte<TBoiteChercher>(); },
     {"Rechercher :", "Mot entier", "Respecter la casse", "Direction", "Suivant", "Annuler"}},
    {"Remplacer", [](Interpreteur&) { return AvecTexte<TBoiteRemplacer>(); },
     {"Rechercher :", "Remplacer par :", "Mot entier", "Respecter la casse", "Direction", "Suivant", "Remplacer",
      "Remplacer tout", "Annuler"}},
};

class OrdreTabulation : public BancDialogues, public ::testing::WithParamInterface<Cas> {};

// Tab to the last control, then close and open again: the keyboard is back in the first field.
TEST_P(OrdreTabulation, OpensOnTheFirstFieldAndTabsInReadingOrderThenTheButtons) {
  const std::unique_ptr<QDialog> dialogue = GetParam().cree(It);
  const QStringList& ordre = GetParam().ordre;
  dialogue->show();
  // Active, as the user has it: only then does a group of radio buttons take one Tab.
  dialogue->activateWindow();
  ASSERT_TRUE(Attend([&] { return QApplication::activeWindow() == dialogue.get(); }));
  QStringList vus{Nom(dialogue->focusWidget())};
  for (qsizetype k = 1; k < ordre.size(); ++k) {
    QWidget* focus = dialogue->focusWidget();
    ASSERT_NE(focus, nullptr) << vus.join(", ").toStdString();
    QTest::keyClick(focus, Qt::Key_Tab);
    vus << Nom(dialogue->focusWidget());
  }
  dialogue->hide();
  dialogue->show();
  vus << Nom(dialogue->focusWidget());
  EXPECT_EQ(vus.join(", ").toStdString(), (ordre + ordre.first(1)).join(", ").toStdString());
}

INSTANTIATE_TEST_SUITE_P(Dialogues, OrdreTabulation, ::testing::ValuesIn(kCas),
                         [](const auto& info) { return NomDeCas(info.index, info.param.nom); });

}  // namespace
}  // namespace korvane::test
