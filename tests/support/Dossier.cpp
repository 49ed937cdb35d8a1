#include "support/Dossier.h"

#include <fstream>
#include <iterator>
#include <random>

namespace korvane::test {

namespace fs = std::filesystem;

DossierTemporaire::DossierTemporaire() {
  std::random_device alea;
  chemin_ = fs::temp_directory_path() / ("korvane-" + std::to_string(alea()) + std::to_string(alea()));
  fs::create_directories(chemin_);
}

DossierTemporaire::~DossierTemporaire() {
  std::error_code ignore;
  fs::remove_all(chemin_, ignore);
}

std::string LitFichier(const fs::path& chemin) {
  std::ifstream flux(chemin, std::ios::binary);
  return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}

void EcritFichier(const fs::path& chemin, const std::string& octets) {
  std::ofstream(chemin, std::ios::binary) << octets;
}

}  // namespace korvane::test
