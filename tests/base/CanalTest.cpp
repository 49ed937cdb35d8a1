#include "base/Canal.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/Dossier.h"

namespace korvane::test {
namespace {

struct CasLigne {
  std::string Octets;
  std::optional<std::string> Ligne;  // nothing: longer than the maximum
};

TEST(Canal, LitLigneRefusesALineLongerThanTheMaximumWhateverItsEnd) {
  const std::vector<CasLigne> cas = {
      {"abc\r\n", "abc"}, {"abc\n", "abc"}, {"abc", "abc"}, {"abc\r", "abc"}, {"ab\r\r\n", "ab\r"},
      {"abcd\n", std::nullopt}, {"abcd", std::nullopt}, {"abcd\r\n", std::nullopt}, {"abc\rd\n", std::nullopt},
  };
  const DossierTemporaire dossier;
  const std::string nom = (dossier.Chemin() / "LIGNE.TXT").string();
  for (const CasLigne& c : cas) {
    EcritFichier(nom, c.Octets);
    Canal canal;
    ASSERT_TRUE(canal.Ouvre(nom, Canal::Etat::Lecture));
    std::string ligne;
    const Canal::Lecture lecture = canal.LitLigne(ligne, 3);
    EXPECT_EQ(lecture == Canal::Lecture::Faite ? std::optional(ligne) : std::nullopt, c.Ligne) << c.Octets;
    EXPECT_NE(lecture, Canal::Lecture::Echouee) << c.Octets;
  }
}

}  // namespace
}  // namespace korvane::test
