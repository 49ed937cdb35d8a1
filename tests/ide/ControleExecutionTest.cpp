#include "ide/ControleExecution.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/Banc.h"
#include "support/NomDeCas.h"

namespace korvane {
namespace {

using namespace test;

// An editor window as the run commands see it: its lines, a caret line, a read-only flag.
class FauxDocument : public DocumentExecutable {
 public:
  explicit FauxDocument(std::vector<std::string> lignes) : programme(std::move(lignes)) {}
  const Programme& Texte() const override { return programme; }
  std::string NomFichier() const override { return "/dossier/essai.bas"; }
  void Raz() override {
    for (std::string& ligne : programme.Lignes)
      if (ligne.starts_with('\x95')) ligne.erase(0, 1);
  }
  void ChangeLigne(int ligne, const std::string& texte) override { programme.Lignes.at(ligne) = texte; }
  int LigneCurseur() const override { return curseur; }
  void PlaceCurseur(int ligne) override { curseur = ligne; }
  void ChangeLectureSeule(bool oui) override { lectureSeule = oui; }

  FauxProgramme programme;
  int curseur = 0;
  bool lectureSeule = false;
};

struct Poste : FauxMonde {
  Interpreteur interpreteur{Monde()};
  ControleExecution controle{interpreteur, Messages};
};

TEST(ControleExecution, AnErrorPutsTheCaretOnItsLineAndContinueRunsItAgain) {
  Poste p;
  FauxDocument doc({"DIM A AS INTEGER", "A = 1", "A = B", "A = 2"});
  EXPECT_TRUE(p.controle.Executer(doc));
  EXPECT_EQ(p.Ecran.Titre, "Korvane - essai.bas");
  EXPECT_EQ(p.controle.LigneCourante, 2);
  EXPECT_EQ(doc.curseur, 2);
  const auto messages = p.Messages.Textes.size();
  doc.programme.Lignes[2] = "A = 3";  // corrected, then continued from the failing line
  EXPECT_TRUE(p.controle.Continuer2(doc));
  EXPECT_EQ(p.Messages.Textes.size(), messages);
  EXPECT_EQ(p.interpreteur.LitValeur(p.interpreteur.ChercheEtiq("A")->Adresse, Genre::Entier), "2");
}

TEST(ControleExecution, BreakpointTogglesOnTheCaretLineAndContinueResumesThere) {
  Poste p;
  FauxDocument doc({"DIM A AS INTEGER", "A = A + 1", "A = A + 10"});
  ASSERT_TRUE(p.controle.Executer(doc));
  doc.curseur = 2;
  p.controle.Arret(doc);
  EXPECT_EQ(doc.programme.Lignes[2], "\xBB" "A = A + 10");
  EXPECT_EQ(p.controle.LigneCourante, 2);
  EXPECT_EQ(doc.curseur, 2);
  p.controle.Continuer2(doc);  // runs line 2 without its marker, with the values of the last run
  EXPECT_EQ(p.interpreteur.LitValeur(p.interpreteur.ChercheEtiq("A")->Adresse, Genre::Entier), "21");
  p.controle.Arret(doc);
  EXPECT_EQ(doc.programme.Lignes[2], "A = A + 10");
}

TEST(ControleExecution, StepModeMarksTheNextLineAndContinueMovesTheMark) {
  Poste p;
  FauxDocument doc({"DIM A AS INTEGER", "A = 1", "A = 2"});
  p.controle.Pasapas(true);
  p.controle.Executer(doc);
  EXPECT_EQ(doc.programme.Lignes, (std::vector<std::string>{"DIM A AS INTEGER", "\x95" "A = 1", "A = 2"}));
  EXPECT_EQ(doc.curseur, 1);
  p.controle.Continuer2(doc);
  EXPECT_EQ(doc.programme.Lignes, (std::vector<std::string>{"DIM A AS INTEGER", "A = 1", "\x95" "A = 2"}));
  EXPECT_EQ(doc.curseur, 2);
  p.controle.Continuer2(doc);  // the last line: nothing left to mark
  EXPECT_EQ(doc.programme.Lignes, (std::vector<std::string>{"DIM A AS INTEGER", "A = 1", "A = 2"}));
  p.controle.Activation();
  EXPECT_EQ(p.controle.PasAPas, 0);
  p.controle.Executer(doc);
  EXPECT_EQ(p.controle.LigneCourante, 0);  // ended normally: F7 starts again from the top
}

TEST(ControleExecution, AnAbortedRunIsShownAndRecordsNothing) {
  Poste p;
  p.Printer.Refuse = true;
  FauxDocument doc({"REM", "LPRINT \"x\""});
  p.controle.LigneCourante = 1;
  p.controle.Executer(doc);
  EXPECT_FALSE(p.Messages.Textes.empty());
  EXPECT_EQ(p.controle.LigneCourante, 0);
  EXPECT_FALSE(doc.lectureSeule);
  EXPECT_FALSE(p.controle.EnCours());
}

TEST(ControleExecution, CommandsAreRefusedWhileARunIsInProgress) {
  Poste p;
  FauxDocument doc({"DEBUT:", "GOTO DEBUT"});
  std::vector<bool> acceptes;
  bool lectureSeule = false;
  p.Touches.AuSondage = [&] {
    lectureSeule = doc.lectureSeule;
    acceptes = {p.controle.Executer(doc), p.controle.Continuer2(doc), p.controle.Arret(doc)};
    p.Touches.Arret = true;
  };
  p.controle.Executer(doc);
  EXPECT_TRUE(lectureSeule);
  EXPECT_EQ(acceptes, (std::vector<bool>{false, false, false}));
  EXPECT_EQ(doc.programme.Lignes[0], "DEBUT:");
  EXPECT_FALSE(doc.lectureSeule);
  EXPECT_EQ(p.controle.LigneCourante, doc.curseur);
}

struct CasFinTravail {
  const char* nom;
  std::function<void(ControleExecution&, FauxDocument&)> commande;
};

const CasFinTravail kFinsDeTravail[] = {
    {"activation", [](ControleExecution& c, FauxDocument&) { c.Activation(); }},
    {"deactivation", [](ControleExecution& c, FauxDocument&) { c.Desactivation(); }},
    {"next run", [](ControleExecution& c, FauxDocument& d) { c.Executer(d); }},
    {"continue", [](ControleExecution& c, FauxDocument& d) { c.Continuer2(d); }},
};

class FinDeTravail : public testing::TestWithParam<CasFinTravail> {};

TEST_P(FinDeTravail, APrinterThatFailsToEndTheJobIsShown) {
  Poste p;
  p.Printer.RefuseFin = true;
  FauxDocument doc({"LPRINT \"x\"", "\xBB" "END"});
  ASSERT_TRUE(p.controle.Executer(doc));
  ASSERT_EQ(p.controle.LigneCourante, 1);
  ASSERT_TRUE(p.Messages.Textes.empty());
  GetParam().commande(p.controle, doc);
  EXPECT_EQ(p.Messages.Textes, std::vector<std::string>{FausseImprimante::kFinRefusee});
}

INSTANTIATE_TEST_SUITE_P(ControleExecution, FinDeTravail, testing::ValuesIn(kFinsDeTravail),
                         [](const auto& info) { return test::NomDeCas(info.index, info.param.nom); });

}  // namespace
}  // namespace korvane
