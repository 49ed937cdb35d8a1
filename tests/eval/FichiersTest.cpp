#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <string>
#include <vector>

#include "base/Calcul.h"
#include "eval/BancFichiers.h"
#include "interpreter/Execution.h"

namespace korvane::test {
namespace {

using Fichiers = BancFichiers;

struct CasEcriture {
  std::vector<std::string> Lignes;
  std::string Octets;
};

TEST_F(Fichiers, PrintWritesOneOperandPerLineWithCrLf) {
  const std::vector<CasEcriture> cas = {
      {{"PRINT# 1,\"abc\""}, "abc\r\n"},
      {{"PRINT# 1,\"a\";", "PRINT# 1,\"b\""}, "ab\r\n"},
      {{"PRINT# 1,"}, "\r\n"},
      {{"PRINT# 1"}, "\r\n"},
      {{"PRINT# 1,\"\""}, "\r\n"},
      {{"PRINT# 1,\"x;y\""}, "x;y\r\n"},
      {{"PRINT# 1,A$"}, "\xE9t\xE9 \x80\r\n"},
      {{"PRINT# 1,A$;", "PRINT# 1,N"}, "\xE9t\xE9 \x80-7\r\n"},
      {{"PRINT# 1,42", "PRINT# 1,-1.5;"}, "42\r\n-1.5"},
      {{"PRINT# 1,  \"blancs\"  "}, "blancs\r\n"},
  };
  for (const CasEcriture& c : cas) {
    Declare({"DIM A$ AS STRING", "DIM N AS INTEGER"});
    B.Chaine("A$") = "\xE9t\xE9 \x80";
    B.Entier("N") = -7;
    ASSERT_EQ(B.Execute("OPEN \"O\",1,\"SORTIE.TXT\""), kContinue);
    for (const std::string& ligne : c.Lignes) EXPECT_EQ(B.Execute(ligne), kContinue) << ligne << B.DernierMessage();
    EXPECT_TRUE(CloseAll(B.It));
    EXPECT_EQ(LitFichier("SORTIE.TXT"), c.Octets) << c.Lignes.front();
  }
  EXPECT_TRUE(B.Messages.Textes.empty());
}

TEST_F(Fichiers, EveryPrintReachesTheFileBeforeTheChannelIsClosed) {
  B.Execute("OPEN \"O\",3,\"JOURNAL.TXT\"");
  B.Execute("PRINT# 3,\"un\"");
  EXPECT_EQ(LitFichier("JOURNAL.TXT"), "un\r\n");
  B.Execute("PRINT# 3,\"deux\";");
  EXPECT_EQ(LitFichier("JOURNAL.TXT"), "un\r\ndeux");
}

TEST_F(Fichiers, LiteralNamesAreUpperCasedVariableNamesKeepTheirCase) {
  Declare({"DIM F$ AS STRING"});
  B.Chaine("F$") = "out.txt";
  B.Execute("OPEN \"o\",2,F$");
  B.Execute("open \"o\",3,\"autre.txt\"");
  EXPECT_TRUE(CloseAll(B.It));
  EXPECT_TRUE(fs::exists("out.txt"));
  EXPECT_TRUE(fs::exists("AUTRE.TXT"));
  EXPECT_FALSE(fs::exists("autre.txt"));
}

TEST_F(Fichiers, NamesWithWindows1252BytesGoToTheFileSystemUnchanged) {
  Declare({"DIM F$ AS STRING"});
  B.Chaine("F$") = "r\xE9sum\xE9.txt";
  ASSERT_EQ(B.Execute("OPEN \"O\",1,F$"), kContinue);
  EXPECT_TRUE(CloseAll(B.It));
  EXPECT_TRUE(fs::exists(fs::path(std::string("r\xE9sum\xE9.txt"))));
}

TEST_F(Fichiers, OpenForWritingEmptiesAnExistingFile) {
  EcritFichier("VIEUX.TXT", "ancien contenu\r\n");
  B.Execute("OPEN \"O\",1,\"VIEUX.TXT\"");
  EXPECT_TRUE(CloseAll(B.It));
  EXPECT_EQ(LitFichier("VIEUX.TXT"), "");
}

TEST_F(Fichiers, OpenOnAnOpenChannelClosesTheOldFileFirst) {
  B.Execute("OPEN \"O\",1,\"A.TXT\"");
  B.Execute("PRINT# 1,\"pour a\";");
  B.Execute("OPEN \"O\",1,\"B.TXT\"");
  B.Execute("PRINT# 1,\"pour b\"");
  EXPECT_EQ(LitFichier("A.TXT"), "pour a");
  EXPECT_EQ(LitFichier("B.TXT"), "pour b\r\n");
  EXPECT_EQ(B.It.Fichiers[1].NomFichier, "B.TXT");

  Declare({"DIM L$ AS STRING"});
  B.Execute("OPEN \"I\",1,\"A.TXT\"");
  B.Execute("LINE INPUT# 1,L$");
  EXPECT_EQ(B.Chaine("L$"), "pour a");
  EXPECT_TRUE(B.Messages.Textes.empty());
}

TEST_F(Fichiers, OpenFailuresAreReportedAndLeaveTheChannelClosed) {
  fs::create_directory("DOSSIER");
  EcritFichier("X", "x");
  const std::vector<CasMessage> cas = {
      {"OPEN \"A\",1,\"X\"", "Erreur mode ouverture (I-O)"},
      {"OPEN \"Z\",1,\"CREE.TXT\"", "Erreur mode ouverture (I-O)"},
      {"OPEN \"I\",4,\"X\"", "Erreur numéro de fichier (1-3)"},
      {"OPEN \"I\",0,\"X\"", "Erreur numéro de fichier (1-3)"},
      {"OPEN \"I\",X,\"X\"", "Erreur numéro de fichier (1-3)"},
      {"OPEN \"I\"", "Erreur numéro de fichier (1-3)"},
      {"OPEN I", "Erreur numéro de fichier (1-3)"},
      {"OPEN \"I\",1,X.TXT", "Variable X.TXT n'existe pas"},
      {"OPEN \"I\",1,\"X", "chaine sans fin"},
      {"OPEN \"I\",1,\"ABSENT.TXT\"", "Erreur Entrée/Sortie"},
      {"OPEN \"I\",1,\"DOSSIER\"", "Erreur Entrée/Sortie"},
      {"OPEN \"O\",1,\"DOSSIER\"", "Erreur Entrée/Sortie"},
      {"OPEN \"O\",1,\"MANQUE/CREE.TXT\"", "Erreur Entrée/Sortie"},
      {"OPEN \"O\",1,\"\"", "Erreur Entrée/Sortie"},
  };
  for (const CasMessage& c : cas) {
    VerifieMessage(B, c);
    EXPECT_EQ(B.It.Fichiers[1].Mode, Canal::Etat::Ferme) << c.Ligne;
  }
  EXPECT_FALSE(fs::exists("CREE.TXT"));
  EXPECT_FALSE(fs::exists("MANQUE"));
}

TEST_F(Fichiers, PipesAndDevicesAreNotReadAndNeverHangTheRun) {
  ASSERT_EQ(::mkfifo("TUBE", 0600), 0);
  Declare({"DIM F$ AS STRING"});
  for (const char* nom : {"TUBE", "/dev/zero", "/dev/null"}) {
    B.Chaine("F$") = nom;
    B.Messages.Textes.clear();
    EXPECT_EQ(B.Execute("OPEN \"I\",1,F$"), kArret) << nom;
    EXPECT_EQ(B.DernierMessage(), "Erreur Entrée/Sortie") << nom;
  }
  B.Chaine("F$") = "TUBE";
  EXPECT_EQ(B.Execute("OPEN \"O\",1,F$"), kArret);
  EXPECT_EQ(B.It.Fichiers[1].Mode, Canal::Etat::Ferme);
}

TEST_F(Fichiers, AFileNameWithANulByteIsRefused) {
  Declare({"DIM F$ AS STRING"});
  B.Chaine("F$") = std::string("COURT\0LONG", 10);
  EXPECT_EQ(B.Execute("OPEN \"O\",1,F$"), kArret);
  EXPECT_EQ(B.DernierMessage(), "Erreur Entrée/Sortie");
  EXPECT_FALSE(fs::exists("COURT"));
}

TEST_F(Fichiers, PrintAndCloseReportBadChannelNumbers) {
  Declare({"DIM A$ AS STRING"});
  B.Execute("OPEN \"O\",1,\"S.TXT\"");
  const std::vector<CasMessage> cas = {
      {"PRINT# X,1", "Erreur numéro de fichier"},
      {"PRINT# 4,1", "Erreur numéro de fichier"},
      {"PRINT# 0,", "Erreur numéro de fichier"},
      {"PRINT# 1,A$+A$", "Identificateur A$+A$ inconnu"},
      {"PRINT# 1,\"ouvert", "chaine sans fin"},
      {"CLOSE# 0", "Erreur numéro de fichier (1-3)"},
      {"CLOSE# 4", "Erreur numéro de fichier (1-3)"},
      {"CLOSE# 1,2", "Erreur numéro de fichier (1-3)"},
      {"CLOSE# X", "Erreur numéro de fichier (1-3)"},
  };
  VerifieMessages(B, cas);
  EXPECT_TRUE(CloseAll(B.It));
  EXPECT_EQ(LitFichier("S.TXT"), "");
}

TEST_F(Fichiers, CloseOfAChannelNeverOpenedDoesNothing) {
  EXPECT_EQ(B.Execute("CLOSE# 1"), kContinue);
  EXPECT_EQ(B.Execute("CLOSE# 3"), kContinue);
  EXPECT_TRUE(B.Messages.Textes.empty());
}

TEST_F(Fichiers, PrintOnAChannelNotOpenForWritingEndsTheRun) {
  EcritFichier("LU.TXT", "ligne\r\n");
  EXPECT_THROW(
      {
        try {
          B.Execute("PRINT# 2,\"x\"");
        } catch (const EchecExecution& e) {
          EXPECT_STREQ(e.what(), "Erreur E/S 103");
          throw;
        }
      },
      EchecExecution);
  B.Execute("OPEN \"I\",2,\"LU.TXT\"");
  EXPECT_THROW(B.Execute("PRINT# 2,\"x\""), EchecExecution);
  B.Execute("OPEN \"O\",1,\"FERME.TXT\"");
  B.Execute("CLOSE# 1");
  EXPECT_THROW(B.Execute("PRINT# 1,"), EchecExecution);
  EXPECT_EQ(LitFichier("LU.TXT"), "ligne\r\n");
}

TEST_F(Fichiers, AFullDiskEndsTheRunWithItsMessage) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  Declare({"DIM F$ AS STRING"});
  B.Chaine("F$") = "/dev/full";
  ASSERT_EQ(B.Execute("OPEN \"O\",1,F$"), kContinue);
  try {
    B.Execute("PRINT# 1,\"perdu\"");
    ADD_FAILURE() << "a lost write was reported as success";
  } catch (const EchecExecution& e) {
    EXPECT_STREQ(e.what(), "Disque plein");
  }
}

// SIGALRM every 20 ms while it lives, without SA_RESTART: a blocked system call fails with EINTR,
// as one does when the user presses Ctrl+C.
class Alarme {
 public:
  Alarme() {
    struct sigaction action {};
    action.sa_handler = [](int) {};
    sigemptyset(&action.sa_mask);
    sigaction(SIGALRM, &action, &avant_);
    const itimerval periode{{0, 20000}, {0, 20000}};
    setitimer(ITIMER_REAL, &periode, nullptr);
  }
  ~Alarme() {
    const itimerval arret{};
    setitimer(ITIMER_REAL, &arret, nullptr);
    sigaction(SIGALRM, &avant_, nullptr);
  }
  Alarme(const Alarme&) = delete;
  Alarme& operator=(const Alarme&) = delete;

 private:
  struct sigaction avant_ {};
};

TEST_F(Fichiers, APrintBlockedOnAFullPipeStopsOnItsLineWhenTheUserInterrupts) {
  ASSERT_EQ(::mkfifo("TUBE", 0600), 0);
  const int lecteur = ::open("TUBE", O_RDONLY | O_NONBLOCK);
  const int remplisseur = ::open("TUBE", O_WRONLY | O_NONBLOCK);
  ASSERT_NE(lecteur, -1);
  ASSERT_NE(remplisseur, -1);

  struct Issue {
    Banc::Resultat Resultat{kContinue, 0};
    std::string Echec;
  };
  // Runs a blocking PRINT# into the full pipe, then empties the pipe and closes the channel.
  const auto bloque = [&](bool arret) {
    const std::string page(4096, 'p');
    while (::write(remplisseur, page.data(), page.size()) > 0) {}
    while (::write(remplisseur, "p", 1) > 0) {}
    B.Touches.Arret = arret;
    Issue issue;
    try {
      const Alarme alarme;
      issue.Resultat = B.Lance({"OPEN \"O\",1,\"TUBE\"", "PRINT# 1,\"bloque\"", "PRINT \"jamais\""});
    } catch (const EchecExecution& e) {
      issue.Echec = e.what();
    }
    std::string tampon(4096, '\0');
    while (::read(lecteur, tampon.data(), tampon.size()) > 0) {}
    EXPECT_TRUE(CloseAll(B.It));
    return issue;
  };

  const Issue arrete = bloque(true);
  EXPECT_EQ(arrete.Echec, "");
  EXPECT_EQ(arrete.Resultat.Etat, kArret);
  EXPECT_EQ(arrete.Resultat.Debut, 1);
  EXPECT_EQ(bloque(false).Echec, "Erreur E/S " + std::to_string(EINTR));
  EXPECT_TRUE(B.Ecran.Appels.empty());
  EXPECT_TRUE(B.Messages.Textes.empty());
  ::close(remplisseur);
  ::close(lecteur);
}

TEST_F(Fichiers, LineInputReadsLinesOfAnyLengthWithOrWithoutCr) {
  const std::string longue(100000, 'L');
  EcritFichier("LIGNES.TXT", "court\r\n" + longue + "\n\r\nlf seul\ncr\rau milieu\r\n\xE9t\xE9\r\ndernier");
  Declare({"DIM L$ AS STRING"});
  B.Execute("OPEN \"I\",1,\"LIGNES.TXT\"");
  const std::vector<std::string> attendues = {"court", longue, "", "lf seul", "cr\rau milieu", "\xE9t\xE9", "dernier"};
  for (const std::string& attendue : attendues) {
    EXPECT_FALSE(FinDeFichier(B.It, 1));
    ASSERT_EQ(B.Execute("LINE INPUT# 1,L$"), kContinue) << B.DernierMessage();
    EXPECT_EQ(B.Chaine("L$"), attendue);
  }
  EXPECT_TRUE(FinDeFichier(B.It, 1));
  B.Chaine("L$") = "avant";
  EXPECT_EQ(B.Execute("line input# 1, l$"), kContinue);
  EXPECT_EQ(B.Chaine("L$"), "");
}

TEST_F(Fichiers, LineInputStopsTheRunOnALineLongerThanTheLongestString) {
  // Lines of NUL bytes grown by resizing: the file system writes none of them.
  EcritFichier("LONGUES.TXT", "");
  fs::resize_file("LONGUES.TXT", kLongueurMaxChaine);
  std::ofstream("LONGUES.TXT", std::ios::binary | std::ios::app) << "\r\n";
  fs::resize_file("LONGUES.TXT", 2 * kLongueurMaxChaine + 3);
  Declare({"DIM L$ AS STRING"});
  B.Execute("OPEN \"I\",1,\"LONGUES.TXT\"");
  const std::string auMaximum(kLongueurMaxChaine, '\0');
  ASSERT_EQ(B.Execute("LINE INPUT# 1,L$"), kContinue) << B.DernierMessage();
  EXPECT_TRUE(B.Chaine("L$") == auMaximum);
  EXPECT_EQ(B.Execute("LINE INPUT# 1,L$"), kArret);
  EXPECT_EQ(B.Messages.Textes, std::vector<std::string>{"Trop de variables"});
  EXPECT_TRUE(B.Chaine("L$") == auMaximum);
}

TEST_F(Fichiers, LineInputGivesAnEmptyStringOnAChannelNotOpenForReading) {
  Declare({"DIM L$ AS STRING"});
  B.Chaine("L$") = "avant";
  EXPECT_EQ(B.Execute("LINE INPUT# 2,L$"), kContinue);
  EXPECT_EQ(B.Chaine("L$"), "");
  B.Execute("OPEN \"O\",2,\"ECRIT.TXT\"");
  B.Chaine("L$") = "avant";
  EXPECT_EQ(B.Execute("LINE INPUT# 2,L$"), kContinue);
  EXPECT_EQ(B.Chaine("L$"), "");
  EXPECT_TRUE(B.Messages.Textes.empty());
}

TEST_F(Fichiers, LineInputReportsBadChannelsAndVariables) {
  Declare({"DIM L$ AS STRING", "DIM N AS INTEGER", "DIM T$(3) AS STRING"});
  const std::vector<CasMessage> cas = {
      {"LINE INPUT# X,L$", "Erreur dans numéro de fichier"},
      {"LINE INPUT#", "Erreur dans numéro de fichier"},
      {"LINE INPUT# 1,ABSENT$", "Variable ABSENT$ n'existe pas"},
      {"LINE INPUT# 1,T$(1)", "Variable T$(1) n'existe pas"},
      {"LINE INPUT# 1,N", "Erreur dans type de variable"},
      {"LINE INPUT# 4,L$", "Erreur numéro de fichier (1-3)"},
      {"LINE INPUT# 0,L$", "Erreur numéro de fichier (1-3)"},
  };
  VerifieMessages(B, cas);
}

// Puts a folder under the open file of `canal`, so that every later read of it fails.
void RendIllisible(const Canal& canal) {
  const auto identite = canal.Identite();
  ASSERT_TRUE(identite);
  const int dossier = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  ASSERT_NE(dossier, -1);
  bool trouve = false;
  for (int fd = 3; fd < 1024 && !trouve; ++fd) {
    struct stat infos {};
    trouve = ::fstat(fd, &infos) == 0 && identite->Peripherique == static_cast<uint64_t>(infos.st_dev) &&
             identite->Inode == static_cast<uint64_t>(infos.st_ino) && ::dup2(dossier, fd) == fd;
  }
  ::close(dossier);
  ASSERT_TRUE(trouve);
}

TEST_F(Fichiers, AFailedReadIsAnErrorNotAnEndOfFile) {
  Declare({"DIM L$ AS STRING", "FIN:"});
  const std::vector<CasMessage> cas = {
      {"LINE INPUT# 1,L$", "Erreur Entrée/Sortie"},
      {"IF NOT EOF(1) THEN FIN", "Erreur Entrée/sortie"},
  };
  for (const CasMessage& c : cas) {
    EcritFichier("LU.TXT", "ligne\r\n");
    ASSERT_EQ(B.Execute("OPEN \"I\",1,\"LU.TXT\""), kContinue);
    ASSERT_NO_FATAL_FAILURE(RendIllisible(B.It.Fichiers[1]));
    B.Chaine("L$") = "avant";
    VerifieMessage(B, c);
    EXPECT_EQ(B.Chaine("L$"), "avant") << c.Ligne;
  }
}

TEST_F(Fichiers, EndOfFileFailsOnChannelsNotOpenForReading) {
  EcritFichier("VIDE.TXT", "");
  B.Execute("OPEN \"I\",1,\"VIDE.TXT\"");
  EXPECT_TRUE(FinDeFichier(B.It, 1));
  B.Execute("OPEN \"O\",2,\"ECRIT.TXT\"");
  // Only the throw matters: there is no answer to look at.
  const auto teste = [this](int canal) { static_cast<void>(FinDeFichier(B.It, canal)); };
  for (int canal : {0, 2, 3, 4, -1}) EXPECT_THROW(teste(canal), EchecExecution) << canal;
  B.Execute("CLOSE# 1");
  EXPECT_THROW(teste(1), EchecExecution);
}

TEST_F(Fichiers, CloseAllClosesEveryChannelAndEndsThePrintJob) {
  for (const char* ligne : {"OPEN \"O\",1,\"UN.TXT\"", "OPEN \"O\",2,\"DEUX.TXT\"", "OPEN \"O\",3,\"TROIS.TXT\"",
                            "PRINT# 1,\"a\";", "LPRINT \"p\""})
    ASSERT_EQ(B.Execute(ligne), kContinue) << ligne;
  EXPECT_TRUE(CloseAll(B.It));
  for (int c = 1; c <= 3; ++c) EXPECT_EQ(B.It.Fichiers[c].Mode, Canal::Etat::Ferme);
  EXPECT_FALSE(B.It.Fichiers.ImprimanteOuverte);
  EXPECT_EQ(B.Printer.Journal, (std::vector<std::string>{"debut", "ecrit p", "ligne", "fin"}));
  EXPECT_EQ(LitFichier("UN.TXT"), "a");
  EXPECT_TRUE(CloseAll(B.It));
  EXPECT_EQ(B.Printer.Journal.size(), 4u);
}

TEST_F(Fichiers, ThePreScanLeavesChannelsClosedAndUnbound) {
  B.Execute("OPEN \"O\",2,\"GARDE.TXT\"");
  B.Execute("PRINT# 2,\"garde\"");
  Declare({"DIM L$ AS STRING"});
  EXPECT_EQ(B.It.Fichiers[2].Mode, Canal::Etat::Ferme);
  EXPECT_EQ(B.It.Fichiers[2].NomFichier, "");
  EXPECT_THROW(B.Execute("PRINT# 2,\"apres\""), EchecExecution);
  EXPECT_EQ(LitFichier("GARDE.TXT"), "garde\r\n");
}

TEST_F(Fichiers, LprintLinesOfOneRunShareOnePrintJob) {
  const auto r = B.Lance({"DIM A$ AS STRING", "LPRINT \"a\";", "LPRINT \"b\"", "LPRINT", "LPRINT 12", "END"});
  EXPECT_EQ(r.Etat, kContinue);
  EXPECT_EQ(B.Printer.Journal, (std::vector<std::string>{"debut", "ecrit a", "ecrit b", "ligne", "ligne", "ecrit 12", "ligne"}));
  EXPECT_TRUE(B.It.Fichiers.ImprimanteOuverte);
  B.Lance({"LPRINT \"suite\""});
  EXPECT_EQ(B.Printer.Journal.back(), "ligne");
  const std::vector<std::string> travaux(B.Printer.Journal.begin() + 7, B.Printer.Journal.end());
  EXPECT_EQ(travaux, (std::vector<std::string>{"fin", "debut", "ecrit suite", "ligne"}));
}

TEST_F(Fichiers, LprintPrintsStringVariablesAndReportsBadOperands) {
  Declare({"DIM A$ AS STRING"});
  B.Chaine("A$") = "caf\xE9";
  EXPECT_EQ(B.Execute("LPRINT A$"), kContinue);
  EXPECT_EQ(B.Execute("LPRINT INCONNU"), kArret);
  EXPECT_EQ(B.DernierMessage(), "Identificateur INCONNU inconnu");
  EXPECT_EQ(B.Printer.Journal, (std::vector<std::string>{"debut", "ecrit caf\xE9", "ligne"}));
}

TEST_F(Fichiers, ARefusingPrinterEndsTheRun) {
  B.Printer.Refuse = true;
  EXPECT_THROW(B.Execute("LPRINT \"x\""), EchecExecution);
  EXPECT_TRUE(CloseAll(B.It));
  EXPECT_EQ(B.Printer.Journal, (std::vector<std::string>{"debut", "fin"}));
}

class ImprimanteAbsente : public FausseImprimante {
 public:
  void DebutTravail() override { throw EchecExecution("Imprimante absente"); }
};

TEST_F(Fichiers, APrinterThatCannotStartAJobLeavesThePrinterChannelClosed) {
  ImprimanteAbsente absente;
  Machine it{{B.Ecran, B.Saisie, B.Messages, absente, B.Temps, B.Touches}};
  int ligne = 0;
  EXPECT_THROW(ExecLigne(it, B.Texte, "LPRINT \"x\"", ligne), EchecExecution);
  EXPECT_FALSE(it.Fichiers.ImprimanteOuverte);
  EXPECT_TRUE(CloseAll(it));
  EXPECT_TRUE(absente.Journal.empty());
}

}  // namespace
}  // namespace korvane::test
