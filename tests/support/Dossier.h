#pragma once
// Temporary folders and whole-file reads and writes for the tests.

#include <filesystem>
#include <string>

namespace korvane::test {

// A fresh, empty temporary directory, removed by the destructor.
class DossierTemporaire {
 public:
  DossierTemporaire();
  ~DossierTemporaire();
  DossierTemporaire(const DossierTemporaire&) = delete;
  DossierTemporaire& operator=(const DossierTemporaire&) = delete;
  const std::filesystem::path& Chemin() const { return chemin_; }

 private:
  std::filesystem::path chemin_;
};

// The file's bytes (empty when it cannot be read), and a file holding exactly `octets`.
std::string LitFichier(const std::filesystem::path& chemin);
void EcritFichier(const std::filesystem::path& chemin, const std::string& octets);

}  // namespace korvane::test
