#include <string>
#include <vector>

#include "eval/BancFichiers.h"

namespace korvane::test {
namespace {

using Systeme = BancFichiers;

TEST_F(Systeme, MsgBoxShowsTheStringOfALiteralOrAVariable) {
  Declare({"DIM A$ AS STRING"});
  B.Chaine("A$") = Cp("Déjà fini ? 100 €");
  EXPECT_EQ(B.Execute(Cp("MSGBOX \"Bonjour à tous\"")), kContinue);
  EXPECT_EQ(B.Execute("msgbox   a$  "), kContinue);
  EXPECT_EQ(B.Messages.Textes, (std::vector<std::string>{"Bonjour à tous", "Déjà fini ? 100 €"}));
}

TEST_F(Systeme, OperandsThatAreNotStringsAreReported) {
  Declare({"DIM N AS INTEGER", "DIM T$(2) AS STRING"});
  const std::vector<CasMessage> cas = {
      {"MSGBOX ABSENT$", "Variable ABSENT$ n'existe pas"},
      {"MSGBOX N", "ce n'est pas un string"},
      {"MSGBOX \"ouvert", "chaine sans fin"},
      {"KILL N", "ce n'est pas un string"},
      {"MKDIR ABSENT$", "Variable ABSENT$ n'existe pas"},
      {"RMDIR \"ouvert", "chaine sans fin"},
      {"CHDIR N", "ce n'est pas un string"},
  };
  VerifieMessages(B, cas);
}

TEST_F(Systeme, KillDeletesAFile) {
  EcritFichier("adieu.txt", "x");
  EXPECT_EQ(B.Execute("KILL \"adieu.txt\""), kContinue);
  EXPECT_FALSE(fs::exists("adieu.txt"));
  EXPECT_TRUE(B.Messages.Textes.empty());
}

struct CasKill {
  std::string Nom;
  bool Refuse;
};

TEST_F(Systeme, KillKeepsAFileAnOpenChannelHoldsUnderAnyName) {
  EcritFichier("LU.TXT", "x");
  EcritFichier("LIBRE.TXT", "x");
  ASSERT_EQ(B.Execute("OPEN \"O\",1,\"TENU.TXT\""), kContinue);
  ASSERT_EQ(B.Execute("OPEN \"I\",2,\"LU.TXT\""), kContinue);
  fs::create_symlink("TENU.TXT", "LIEN");
  const std::vector<CasKill> cas = {
      {"TENU.TXT", true}, {"./TENU.TXT", true}, {"LU.TXT", true}, {"LIEN", false}, {"LIBRE.TXT", false}};
  for (const CasKill& c : cas) {
    B.Messages.Textes.clear();
    EXPECT_EQ(B.Execute("KILL \"" + c.Nom + "\""), c.Refuse ? kArret : kContinue) << c.Nom;
    EXPECT_EQ(B.DernierMessage(), c.Refuse ? "Fichier " + c.Nom + " n'a pas été effacé" : "") << c.Nom;
    EXPECT_EQ(fs::exists(fs::symlink_status(c.Nom)), c.Refuse) << c.Nom;
  }

  B.Execute("PRINT# 1,\"garde\"");
  EXPECT_EQ(LitFichier("TENU.TXT"), "garde\r\n");
  B.Execute("CLOSE# 1");
  EXPECT_EQ(B.Execute("KILL \"./TENU.TXT\""), kContinue);
  EXPECT_FALSE(fs::exists("TENU.TXT"));
}

TEST_F(Systeme, MkDirAndRmDirCreateAndRemoveADirectory) {
  Declare({"DIM D$ AS STRING"});
  B.Chaine("D$") = "r\xE9pertoire";
  const fs::path cree(std::string("r\xE9pertoire"));
  EXPECT_EQ(B.Execute("MKDIR D$"), kContinue);
  EXPECT_TRUE(fs::is_directory(cree));
  EXPECT_EQ(B.Execute("MKDIR \"sous\""), kContinue);
  EXPECT_TRUE(fs::is_directory("sous"));
  EXPECT_EQ(B.Execute("RMDIR D$"), kContinue);
  EXPECT_FALSE(fs::exists(cree));
  EXPECT_TRUE(B.Messages.Textes.empty());
}

TEST_F(Systeme, ChDirChangesTheCurrentDirectoryOfTheProcess) {
  fs::create_directory("ICI");
  EXPECT_EQ(B.Execute("CHDIR \"ICI\""), kContinue);
  EXPECT_EQ(fs::current_path(), fs::canonical(Dossier.Chemin() / "ICI"));
  B.Execute("OPEN \"O\",1,\"DEDANS.TXT\"");
  EXPECT_TRUE(CloseAll(B.It));
  EXPECT_TRUE(fs::exists(Dossier.Chemin() / "ICI" / "DEDANS.TXT"));
  EXPECT_EQ(B.Execute("CHDIR \"..\""), kContinue);
  EXPECT_EQ(fs::current_path(), fs::canonical(Dossier.Chemin()));
}

TEST_F(Systeme, FailuresNameTheFileOrDirectory) {
  fs::create_directories("NONVIDE/dedans");
  fs::create_directory("EXISTE");
  EcritFichier("FICHIER", "x");
  const std::vector<CasMessage> cas = {
      {"KILL \"absent.txt\"", "Fichier absent.txt n'a pas été effacé"},
      {"KILL \"EXISTE\"", "Fichier EXISTE n'a pas été effacé"},
      {"KILL \"\"", "Fichier  n'a pas été effacé"},
      {"MKDIR \"EXISTE\"", "Répertoire EXISTE n'a pas été créé"},
      {"MKDIR \"MANQUE/SOUS\"", "Répertoire MANQUE/SOUS n'a pas été créé"},
      {"RMDIR \"NONVIDE\"", "Répertoire NONVIDE n'a pas été éffacé"},
      {"RMDIR \"FICHIER\"", "Répertoire FICHIER n'a pas été éffacé"},
      {"RMDIR \"absent\"", "Répertoire absent n'a pas été éffacé"},
      {"CHDIR \"absent\"", "Répertoire absent inexistant"},
      {"CHDIR \"FICHIER\"", "Répertoire FICHIER inexistant"},
  };
  VerifieMessages(B, cas);
  EXPECT_TRUE(fs::is_directory("EXISTE"));
  EXPECT_TRUE(fs::is_directory("NONVIDE/dedans"));
  EXPECT_TRUE(fs::exists("FICHIER"));
  EXPECT_FALSE(fs::exists("MANQUE"));
  EXPECT_EQ(fs::current_path(), fs::canonical(Dossier.Chemin()));
}

TEST_F(Systeme, NamesWithANulByteAreRefusedRatherThanCut) {
  Declare({"DIM D$ AS STRING"});
  B.Chaine("D$") = std::string("AVANT\0APRES", 11);
  EcritFichier("AVANT", "x");
  EXPECT_EQ(B.Execute("KILL D$"), kArret);
  EXPECT_TRUE(fs::exists("AVANT"));
  fs::remove("AVANT");
  EXPECT_EQ(B.Execute("MKDIR D$"), kArret);
  EXPECT_FALSE(fs::exists("AVANT"));
  EXPECT_EQ(B.Messages.Textes.size(), 2u);
}

}  // namespace
}  // namespace korvane::test
