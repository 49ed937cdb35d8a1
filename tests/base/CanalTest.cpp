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
    EXPECT_EQ(canal.LitLigne(3), c.Ligne) << c.Octets;
  }
}

}  // namespace
}  // namespace korvane::test
