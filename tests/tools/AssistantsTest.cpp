// The "Programmer" menu: the wizards' texts, the channel arrows, what the editor inserts and
// where it leaves the caret, and the keyword list.
#include "tools/Assistants.h"

#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <algorithm>
#include <functional>
#include <utility>

#include "ide/PosteAtelier.h"
#include "support/NomDeCas.h"

namespace korvane {
namespace {

enum Operateur { Egal, Inferieur, Superieur, InferieurEgal, SuperieurEgal, Different };

void Ok(DialogueAccepte& dialogue) { QTest::mouseClick(dialogue.Button1(), Qt::LeftButton); }
void Annule(DialogueAccepte& dialogue) { QTest::keyClick(&dialogue, Qt::Key_Escape); }
// The title bar's close button.
void Ferme(DialogueAccepte& dialogue) {
  dialogue.show();
  dialogue.close();
}

void Remplit(DialogueCondition& dialogue, const char* operande1, int operateur, const char* operande2) {
  dialogue.Edit1()->setText(QString::fromUtf8(operande1));
  if (operateur >= 0) dialogue.RadioGroup1()->button(operateur)->click();
  dialogue.Edit2()->setText(QString::fromUtf8(operande2));
}

struct Assistants {
  TBoucleFor boucleFor;
  TBoucleWhile boucleWhile;
  TConditionIf conditionIf;
  TFileIO fileIO;
};

struct CasTexte {
  const char* nom;
  std::function<QString(Assistants&)> utilisateur;
  const char* attendu;
};

QString For(Assistants& a, const char* compteur, const char* pas, void (*choix)(DialogueAccepte&) = Ok) {
  a.boucleFor.Edit1()->setText(QString::fromUtf8(compteur));
  a.boucleFor.Edit2()->setText(QStringLiteral("1"));
  a.boucleFor.Edit3()->setText(QStringLiteral("10"));
  a.boucleFor.Edit4()->setText(QString::fromUtf8(pas));
  choix(a.boucleFor);
  return a.boucleFor.Result();
}

const CasTexte kTextes[] = {
    {"ForSansPas", [](Assistants& a) { return For(a, "I", ""); }, "FOR I=1 TO 10\r\n\r\nNEXT"},
    {"ForAvecPas", [](Assistants& a) { return For(a, "I", "2"); }, "FOR I=1 TO 10 STEP 2\r\n\r\nNEXT"},
    {"ForSansCompteur", [](Assistants& a) { return For(a, "", "2"); }, ""},
    {"ForAnnule", [](Assistants& a) { return For(a, "I", "", Annule); }, ""},
    {"ForFermeApresOk",
     [](Assistants& a) {
       For(a, "I", "");
       a.boucleFor.Edit1()->setText(QStringLiteral("K"));
       Ferme(a.boucleFor);
       return a.boucleFor.Result();
     },
     "FOR K=1 TO 10\r\n\r\nNEXT"},
    {"ForFermeApresAnnuler",
     [](Assistants& a) {
       For(a, "I", "", Annule);
       Ferme(a.boucleFor);
       return a.boucleFor.Result();
     },
     ""},
    {"While",
     [](Assistants& a) {
       Remplit(a.boucleWhile, "X", Different, "0");
       Ok(a.boucleWhile);
       return a.boucleWhile.Result1();
     },
     "WHILE X<>0\r\n\r\nWEND"},
    {"Do",
     [](Assistants& a) {
       Remplit(a.boucleWhile, "X", Different, "0");
       Ok(a.boucleWhile);
       return a.boucleWhile.Result2();
     },
     "DO\r\n\r\nLOOP X<>0"},
    {"WhileSansOperateur",
     [](Assistants& a) {
       Remplit(a.boucleWhile, "X", -1, "0");
       Ok(a.boucleWhile);
       return a.boucleWhile.Result1() + a.boucleWhile.Result2();
     },
     ""},
    {"If",
     [](Assistants& a) {
       Remplit(a.conditionIf, "A$", Egal, "\"oui\"");
       Ok(a.conditionIf);
       return a.conditionIf.Result();
     },
     "IF A$=\"oui\" THEN\r\n\r\nENDIF"},
    {"IfElse",
     [](Assistants& a) {
       Remplit(a.conditionIf, "N", SuperieurEgal, "");
       a.conditionIf.CheckBox1()->setChecked(true);
       a.conditionIf.show();
       QTest::keyClick(a.conditionIf.Edit2(), Qt::Key_Return);
       return a.conditionIf.Result();
     },
     "IF N>= THEN\r\n\r\nELSE\r\n\r\nENDIF"},
    {"IfSansOperande",
     [](Assistants& a) {
       Remplit(a.conditionIf, "", Egal, "1");
       Ok(a.conditionIf);
       return a.conditionIf.Result();
     },
     ""},
    {"EcritureGuillemetsTapes",
     [](Assistants& a) {
       a.fileIO.ChoisitMode(TFileIO::Ecriture);
       a.fileIO.Edit1()->setText(QStringLiteral("\"notes.txt\""));
       a.fileIO.SpinButton1UpClick();
       Ok(a.fileIO);
       return a.fileIO.Result();
     },
     "OPEN \"O\",2,\"notes.txt\"\r\n\r\nCLOSE# 2"},
    {"LectureSansGuillemets",
     [](Assistants& a) {
       a.fileIO.Edit1()->setText(QStringLiteral("notes.txt"));
       Ok(a.fileIO);
       return a.fileIO.Result();
     },
     "OPEN \"I\",1,notes.txt\r\n\r\nCLOSE# 1"},
    {"FichierSansNom",
     [](Assistants& a) {
       Ok(a.fileIO);
       return a.fileIO.Result();
     },
     ""},
};

class TexteAssistant : public ::testing::TestWithParam<CasTexte> {};

TEST_P(TexteAssistant, IsTheBlockOfTheFieldsAndTheLastChoice) {
  Assistants a;
  EXPECT_EQ(GetParam().utilisateur(a), QString::fromUtf8(GetParam().attendu));
}

INSTANTIATE_TEST_SUITE_P(Assistants, TexteAssistant, ::testing::ValuesIn(kTextes),
                         [](const auto& info) { return test::NomDeCas(info.index, info.param.nom); });

TEST(Assistants, TheChannelArrowsStopAt3And1AndReadAnythingElseAs1) {
  struct Cas {
    const char* texte;
    const char* haut;
    const char* bas;
  };
  const Cas cas[] = {{"1", "2", "1"}, {"2", "3", "1"}, {"3", "3", "2"}, {"abc", "2", "1"}, {"", "2", "1"}, {"9", "3", "8"}};
  TFileIO dialogue;
  for (const Cas& c : cas) {
    dialogue.Edit2()->setText(QString::fromLatin1(c.texte));
    dialogue.SpinButton1UpClick();
    EXPECT_EQ(dialogue.Edit2()->text(), QString::fromLatin1(c.haut)) << c.texte;
    dialogue.Edit2()->setText(QString::fromLatin1(c.texte));
    dialogue.SpinButton1DownClick();
    EXPECT_EQ(dialogue.Edit2()->text(), QString::fromLatin1(c.bas)) << c.texte;
  }
}

// The caret at the end of the program, where the blocks go.
struct Poste : test::PosteAtelier {
  explicit Poste(const QString& texte) : PosteAtelier(texte) { editeur->Memo1()->moveCursor(QTextCursor::End); }
  QString Texte() const { return editeur->Memo1()->toPlainText(); }
  int LigneCurseur() const { return editeur->Memo1()->textCursor().blockNumber(); }
  int ColonneCurseur() const { return editeur->Memo1()->textCursor().positionInBlock(); }
};

TEST(Assistants, TheEditorReplacesTheSelectionWithTheBlockAsOneUndoStepWithTheCaretOnItsEmptyLine) {
  Poste p(QStringLiteral("DIM I AS INTEGER\n  x\n"));
  QTextCursor selection(p.editeur->Memo1()->document()->findBlockByNumber(1));
  selection.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 2);
  selection.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  p.editeur->Memo1()->setTextCursor(selection);
  p.dialogues.Utilisateur = [](QDialog& dialogue) {
    auto& boucle = dynamic_cast<TBoucleFor&>(dialogue);
    boucle.Edit1()->setText(QStringLiteral("I"));
    boucle.Edit2()->setText(QStringLiteral("1"));
    boucle.Edit3()->setText(QStringLiteral("3"));
    Ok(boucle);
  };
  p.editeur->Forg();
  EXPECT_EQ(p.Texte(), QStringLiteral("DIM I AS INTEGER\n  FOR I=1 TO 3\n\nNEXT\n"));
  EXPECT_EQ(p.LigneCurseur(), 2);
  EXPECT_EQ(p.ColonneCurseur(), 0);

  // The body typed there runs.
  p.editeur->Memo1()->insertPlainText(QStringLiteral("PRINT I"));
  EXPECT_TRUE(p.atelier.Executer(*p.editeur));
  EXPECT_TRUE(p.messages.Textes.isEmpty()) << p.messages.Textes.join('\n').toStdString();

  p.editeur->Memo1()->undo();
  p.editeur->Memo1()->undo();
  EXPECT_EQ(p.Texte(), QStringLiteral("DIM I AS INTEGER\n  x\n"));
}

TEST(Assistants, TheForWizardTakesItsFieldsFromTheKeyboardAsTheyRead) {
  Poste p{QString()};
  p.dialogues.Utilisateur = [](QDialog& dialogue) {
    dialogue.show();
    // Each field typed, then the key that leaves it.
    const std::pair<const char*, Qt::Key> saisies[] = {{"I", Qt::Key_Tab}, {"1", Qt::Key_Tab}, {"10", Qt::Key_Return}};
    for (const auto& [texte, touche] : saisies) {
      QWidget* focus = dialogue.focusWidget();
      ASSERT_NE(focus, nullptr) << texte;
      QTest::keyClicks(focus, QString::fromLatin1(texte));
      QTest::keyClick(focus, touche);
    }
  };
  p.editeur->Forg();
  EXPECT_EQ(p.Texte(), QStringLiteral("FOR I=1 TO 10\n\nNEXT"));
}

TEST(Assistants, IfWithElseLeavesTheCaretOnTheFirstEmptyLineAndAnnulerLeavesTheSelection) {
  Poste p(QStringLiteral("A = 1\n"));
  p.dialogues.Utilisateur = [](QDialog& dialogue) {
    auto& condition = dynamic_cast<TConditionIf&>(dialogue);
    Remplit(condition, "A", Egal, "1");
    condition.CheckBox1()->setChecked(true);
    Ok(condition);
  };
  p.editeur->Ifg();
  EXPECT_EQ(p.Texte(), QStringLiteral("A = 1\nIF A=1 THEN\n\nELSE\n\nENDIF"));
  EXPECT_EQ(p.LigneCurseur(), 2);

  p.editeur->Memo1()->selectAll();
  p.dialogues.Utilisateur = [](QDialog& dialogue) { Annule(dynamic_cast<DialogueAccepte&>(dialogue)); };
  p.editeur->Ifg();
  EXPECT_EQ(p.editeur->Memo1()->textCursor().selectedText().size(), p.Texte().size());
}

TEST(Assistants, TheFileMenuItemsPresetTheModeAndTheLoopItemsTheCaption) {
  Poste p{QString()};
  QStringList vus;
  p.dialogues.Utilisateur = [&vus](QDialog& dialogue) {
    vus << dialogue.windowTitle();
    if (auto* fichier = dynamic_cast<TFileIO*>(&dialogue)) vus << fichier->RadioGroup1()->checkedButton()->text();
  };
  p.editeur->Whileg();
  p.editeur->dog();
  p.editeur->EcrireF();
  p.editeur->LireF();
  EXPECT_EQ(vus, QStringList({"Boucle While", "Boucle Do", "Lecture / Ecriture fichier", "Ecriture",
                              "Lecture / Ecriture fichier", "Lecture"}));
  EXPECT_TRUE(p.Texte().isEmpty());
}

TEST(Assistants, TheKeywordListIsSortedAndItsSelectionIsInsertedUnlessEchapDropsIt) {
  ASSERT_EQ(MotsCle().size(), 68);
  EXPECT_TRUE(std::is_sorted(MotsCle().begin(), MotsCle().end()));

  Poste p(QStringLiteral("x "));
  const QStringList mots = MotsCle();
  const auto choisit = [&mots](const char* mot, Qt::Key touche) {
    return [&mots, mot, touche](QDialog& dialogue) {
      auto& liste = dynamic_cast<TMotsCle&>(dialogue);
      if (mot != nullptr) liste.ListBox1()->setCurrentRow(static_cast<int>(mots.indexOf(QString::fromLatin1(mot))));
      if (touche == Qt::Key_unknown)
        QTest::mouseDClick(liste.ListBox1()->viewport(), Qt::LeftButton, {},
                           liste.ListBox1()->visualItemRect(liste.ListBox1()->currentItem()).center());
      else
        QTest::keyClick(liste.ListBox1(), touche);
    };
  };
  p.dialogues.Utilisateur = choisit("END SUB", Qt::Key_Return);
  p.editeur->Instructions();
  EXPECT_EQ(p.Texte(), QStringLiteral("x END SUB"));

  p.dialogues.Utilisateur = [](QDialog&) {};  // closed from the title bar: the selection stays
  p.editeur->Instructions();
  EXPECT_EQ(p.Texte(), QStringLiteral("x END SUBEND SUB"));

  p.dialogues.Utilisateur = choisit("PRINT#", Qt::Key_Escape);
  p.editeur->Instructions();
  EXPECT_EQ(p.Texte(), QStringLiteral("x END SUBEND SUB"));

  p.dialogues.Utilisateur = choisit("WEND", Qt::Key_unknown);
  p.editeur->Instructions();
  EXPECT_EQ(p.Texte(), QStringLiteral("x END SUBEND SUBWEND"));
}

}  // namespace
}  // namespace korvane
