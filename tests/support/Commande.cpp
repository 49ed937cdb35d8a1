#include "support/Commande.h"

#include <sys/wait.h>

#include <cstdlib>
#include <stdexcept>

#include "support/Dossier.h"

namespace korvane::test {

namespace fs = std::filesystem;

std::string Citation(const std::string& texte) {
  std::string mot = "'";
  for (char c : texte) mot += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return mot + "'";
}

Commande Lance(const std::string& ligneDeCommande, const std::string& entree) {
  const DossierTemporaire dossier;
  const fs::path& base = dossier.Chemin();
  EcritFichier(base / "entree", entree);
  const std::string complete = ligneDeCommande + " < " + Citation((base / "entree").string()) + " > " +
                               Citation((base / "sortie").string()) + " 2> " + Citation((base / "erreurs").string());
  const int brut = std::system(complete.c_str());
  if (brut == -1 || !WIFEXITED(brut)) throw std::runtime_error("commande interrompue : " + ligneDeCommande);
  return {WEXITSTATUS(brut), LitFichier(base / "sortie"), LitFichier(base / "erreurs")};
}

Commande LanceKorvaneRun(const std::vector<std::string>& options, const std::string& source,
                         const std::string& entree) {
  const DossierTemporaire dossier;
  const fs::path programme = dossier.Chemin() / "programme.bas";
  EcritFichier(programme, source);
  std::string ligne = KORVANE_RUN_PATH;
  for (const std::string& option : options) ligne += " " + Citation(option);
  ligne += " " + Citation(programme.string());
  return Lance(ligne, entree);
}

}  // namespace korvane::test
