// The editor window and the run commands together, as the user drives them.
#include "ide/Atelier.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "ide/PosteAtelier.h"
#include "support/GardeFou.h"
#include "support/Attente.h"

namespace korvane {
namespace {


using Poste = test::PosteAtelier;

bool AUneEncre(const QImage& image, QRect zone) {
  for (int y = zone.top(); y <= zone.bottom(); ++y)
    for (int x = zone.left(); x <= zone.right(); ++x)
      if (image.pixelColor(x, y) != Qt::white) return true;
  return false;
}

TEST(Atelier, F9DrawsOnTheRunWindowAndAnErrorPutsTheCaretOnItsLine) {
  Poste p(QStringLiteral("DIM A AS INTEGER\nPRINT \"Bonjour\"\nA = B\nPRINT \"jamais\"\n"));
  ASSERT_TRUE(p.atelier.Executer(*p.editeur));
  const QImage ecran = p.atelier.Hote().Fenetre().grab().toImage();
  EXPECT_TRUE(AUneEncre(ecran, QRect(0, 0, 60, 17)));
  EXPECT_FALSE(AUneEncre(ecran, QRect(0, 22, 60, 12)));  // the line after the error never ran
  EXPECT_EQ(p.editeur->LigneCurseur(), 2);
  EXPECT_EQ(p.atelier.Controle().LigneCourante, 2);
  EXPECT_EQ(p.messages.Textes.size(), 1);
  EXPECT_FALSE(p.editeur->Memo1()->isReadOnly());
}

TEST(Atelier, EchapInTheEditorStopsAnEndlessLoopWithTheCaretOnItsLineAndNothingElseRunsMeanwhile) {
  Poste p(QStringLiteral("DEBUT:\nGOTO DEBUT\n"));
  p.dialogues.Fichier = p.pdf.filePath(QStringLiteral("copie.bas"));
  bool lectureSeule = false;
  std::vector<bool> acceptes;
  const test::GardeFou garde(p.atelier.Hote());
  QTimer::singleShot(0, [&] {
    lectureSeule = p.editeur->Memo1()->isReadOnly();
    acceptes = {p.atelier.Executer(*p.editeur), p.atelier.Arret(*p.editeur), p.editeur->Enregistrer(),
                p.editeur->Importer(), p.editeur->OpenFile(p.dialogues.Fichier)};
    QTest::keyClick(p.editeur->Memo1(), Qt::Key_Escape);
  });
  p.atelier.Executer(*p.editeur);
  EXPECT_TRUE(lectureSeule);
  EXPECT_EQ(acceptes, std::vector<bool>(5, false));
  EXPECT_TRUE(p.dialogues.Demandes.empty());
  EXPECT_EQ(p.editeur->LigneCurseur(), p.atelier.Controle().LigneCourante);
  EXPECT_EQ(p.Ligne(0), QStringLiteral("DEBUT:"));
  EXPECT_FALSE(p.editeur->Memo1()->isReadOnly());
}

TEST(Atelier, StepModeMarksTheNextLineWithABullet) {
  Poste p(QStringLiteral("DIM A AS INTEGER\nA = 1\nA = 2\n"));
  p.atelier.Pasapas(true);
  p.atelier.Executer(*p.editeur);
  EXPECT_EQ(p.Ligne(1), QStringLiteral("\u2022A = 1"));
  p.editeur->Memo1()->moveCursor(QTextCursor::Start);
  p.atelier.Arret(*p.editeur);  // F5 on line 0, then F7 resumes there
  EXPECT_EQ(p.Ligne(0), QStringLiteral("\u00BBDIM A AS INTEGER"));
  p.atelier.Continuer(*p.editeur);
  EXPECT_EQ(p.Ligne(1), QStringLiteral("\u2022A = 1"));
}

TEST(Atelier, ARunSeparatesTheEditsTypedBeforeItFromThoseTypedAfterIt) {
  // With a step marker to take off, that removal is one more step of its own.
  for (const bool marque : {false, true}) {
    SCOPED_TRACE(marque ? "step marker" : "no marker");
    Poste p(QStringLiteral("DIM A AS INTEGER\nA = 1\n"));
    p.atelier.Pasapas(marque);
    p.atelier.Executer(*p.editeur);
    p.atelier.Pasapas(false);
    QPlainTextEdit& memo = *p.editeur->Memo1();
    memo.moveCursor(QTextCursor::End);
    QTest::keyClicks(&memo, QStringLiteral("REM A"));
    p.atelier.Executer(*p.editeur);
    QTest::keyClicks(&memo, QStringLiteral(" B"));
    ASSERT_EQ(p.Ligne(2), QStringLiteral("REM A B"));
    memo.undo();
    EXPECT_EQ(p.Ligne(2), QStringLiteral("REM A"));
    EXPECT_EQ(p.Ligne(1), QStringLiteral("A = 1"));
    if (marque) {
      memo.undo();
      EXPECT_EQ(p.Ligne(1), QStringLiteral("\u2022A = 1"));
      EXPECT_EQ(p.Ligne(2), QStringLiteral("REM A"));
    }
    memo.undo();
    EXPECT_EQ(p.Ligne(2), QString());
  }
}

TEST(Atelier, EnterKeepsTheIndentationExceptOnTheFirstLine) {
  Poste p(QStringLiteral("\tREM premier\n\t\tPRINT \"x\""));
  p.editeur->Memo1()->moveCursor(QTextCursor::End);
  QTest::keyClick(p.editeur->Memo1(), Qt::Key_Return);
  EXPECT_EQ(p.Ligne(2), QStringLiteral("\t\t"));
  p.editeur->Memo1()->moveCursor(QTextCursor::Start);
  p.editeur->Memo1()->moveCursor(QTextCursor::EndOfBlock);
  QTest::keyClick(p.editeur->Memo1(), Qt::Key_Return);
  EXPECT_EQ(p.Ligne(1), QString());
}

TEST(Atelier, ClosingDuringARunStopsItThenAsksAboutTheDocument) {
  Poste p(QStringLiteral("DEBUT:\nGOTO DEBUT\n"));
  p.dialogues.Choix = Reponse::Non;
  p.editeur->Memo1()->document()->setModified(true);
  p.editeur->show();
  const test::GardeFou garde(p.atelier.Hote());
  QTimer::singleShot(0, [&] { p.editeur->close(); });
  p.atelier.Executer(*p.editeur);
  EXPECT_TRUE(p.editeur->isVisible());  // the close waits for the end of the run
  ASSERT_TRUE(test::Attend([&] { return !p.editeur->isVisible(); }));
  EXPECT_EQ(p.dialogues.Questions.size(), 1);
}

}  // namespace
}  // namespace korvane
