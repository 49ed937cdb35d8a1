#include <gtest/gtest.h>

#include "BancEditeur.h"
#include "ide/FichierSource.h"

namespace korvane::test {
namespace {

TEST(FichierSource, ReadsBothEncodingsAndWritesThemBackWithCrLf) {
  struct Cas {
    const char* Nom;
    QByteArray Disque;
    Encodage Codage;
    QStringList Lignes;
    QByteArray Reecrit;
  };
  const QStringList marques{QStringLiteral("»PRINT \"été\""), QStringLiteral("•X = 1")};
  const Cas cas[] = {
      {"UTF-8 markers", "\xC2\xBBPRINT \"\xC3\xA9t\xC3\xA9\"\r\n\xE2\x80\xA2X = 1\r\n", Encodage::Utf8, marques,
       "\xC2\xBBPRINT \"\xC3\xA9t\xC3\xA9\"\r\n\xE2\x80\xA2X = 1\r\n"},
      {"Windows-1252 markers", "\xBBPRINT \"\xE9t\xE9\"\r\n\x95X = 1\r\n", Encodage::Windows1252, marques,
       "\xBBPRINT \"\xE9t\xE9\"\r\n\x95X = 1\r\n"},
      {"LF and no last line end", "A\nB", Encodage::Utf8, {"A", "B"}, "A\r\nB\r\n"},
      {"byte order mark", "\xEF\xBB\xBF\xC3\xA9\r\n", Encodage::Utf8AvecBom, {"é"}, "\xEF\xBB\xBF\xC3\xA9\r\n"},
      {"empty lines", "\r\n\n\xE9\r\n", Encodage::Windows1252, {"", "", "é"}, "\r\n\r\n\xE9\r\n"},
      {"empty file", "", Encodage::Utf8, {}, ""},
  };
  QTemporaryDir dossier;
  const QString chemin = dossier.filePath(QStringLiteral("prog.bas"));
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.Nom);
    EcritOctets(chemin, c.Disque);
    QString raison;
    const std::optional<Source> lu = LitSource(chemin, raison);
    ASSERT_TRUE(lu) << raison.toStdString();
    EXPECT_EQ(lu->Codage, c.Codage);
    EXPECT_EQ(lu->Lignes, c.Lignes);
    EXPECT_EQ(EcritSource(chemin, lu->Lignes, lu->Codage, raison), c.Codage);
    EXPECT_EQ(LitOctets(chemin), c.Reecrit);
  }
}

TEST(FichierSource, ALineWindows1252CannotStoreMakesTheFileUtf8) {
  QTemporaryDir dossier;
  const QString chemin = dossier.filePath(QStringLiteral("prog.bas"));
  QString raison;
  EXPECT_EQ(EcritSource(chemin, {"€", "Erdős"}, Encodage::Windows1252, raison), Encodage::Utf8);
  EXPECT_EQ(LitOctets(chemin), QByteArray("\xE2\x82\xAC\r\nErd\xC5\x91s\r\n"));
}

TEST(FichierSource, FailuresGiveTheSystemsReason) {
  QTemporaryDir dossier;
  const QString chemin = CheminSousUnFichier(dossier);
  QString raison;
  EXPECT_FALSE(LitSource(dossier.filePath(QStringLiteral("absent.bas")), raison));
  EXPECT_FALSE(raison.isEmpty());
  raison.clear();
  EXPECT_FALSE(EcritSource(chemin, {"A"}, Encodage::Utf8, raison));
  EXPECT_FALSE(raison.isEmpty());
}

}  // namespace
}  // namespace korvane::test
