#include "support/Commande.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace korvane::test {

namespace fs = std::filesystem;

namespace {
std::string LitFichier(const fs::path& chemin) {
  std::ifstream flux(chemin, std::ios::binary);
  return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}

void EcritFichier(const fs::path& chemin, const std::string& contenu) {
  std::ofstream(chemin, std::ios::binary) << contenu;
}
}  // namespace

std::string Citation(const std::string& texte) {
  std::string mot = "'";
  for (char c : texte) mot += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return mot + "'";
}

DossierTemporaire::DossierTemporaire() {
  std::random_device alea;
  const fs::path chemin = fs::temp_directory_path() / ("korvane-" + std::to_string(alea()) + std::to_string(alea()));
  fs::create_directories(chemin);
  chemin_ = chemin.string();
}

DossierTemporaire::~DossierTemporaire() {
  std::error_code ignore;
  fs::remove_all(chemin_, ignore);
}

Commande Lance(const std::string& ligneDeCommande, const std::string& entree) {
  const DossierTemporaire dossier;
  const fs::path base(dossier.Chemin());
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
  const fs::path programme = fs::path(dossier.Chemin()) / "programme.bas";
  EcritFichier(programme, source);
  std::string ligne = KORVANE_RUN_PATH;
  for (const std::string& option : options) ligne += " " + Citation(option);
  ligne += " " + Citation(programme.string());
  return Lance(ligne, entree);
}

}  // namespace korvane::test
