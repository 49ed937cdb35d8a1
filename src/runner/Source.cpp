#include "runner/Source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "base/ErreurSysteme.h"
#include "base/Texte.h"
#include "runner/Descripteurs.h"

namespace korvane {

namespace {

class Descripteur {
 public:
  explicit Descripteur(int numero) : numero_(numero) {}
  ~Descripteur() {
    if (numero_ >= 0) ::close(numero_);
  }
  Descripteur(const Descripteur&) = delete;
  Descripteur& operator=(const Descripteur&) = delete;
  int Numero() const { return numero_; }

 private:
  int numero_;
};

std::size_t NombreLignes(const std::string& octets) {
  const auto finsDeLigne = static_cast<std::size_t>(std::count(octets.begin(), octets.end(), '\n'));
  return finsDeLigne + (!octets.empty() && octets.back() != '\n' ? 1 : 0);
}

// Reads at most `maximum` + 1 bytes, so that a file growing past the limit is seen.
bool LitAuPlus(int descripteur, std::size_t maximum, std::string& octets) {
  char bloc[64 * 1024];
  while (octets.size() <= maximum) {
    const ssize_t n = ::read(descripteur, bloc, std::min(sizeof bloc, maximum + 1 - octets.size()));
    if (n == 0) return true;
    if (n > 0) octets.append(bloc, static_cast<std::size_t>(n));
    else if (errno != EINTR) return false;
  }
  return true;
}

}  // namespace

std::optional<std::vector<std::string>> LitSource(const std::string& chemin, std::string& raison) {
  // Without blocking: opening a FIFO would otherwise wait for a writer.
  const Descripteur fichier(::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat infos {};
  if (fichier.Numero() < 0 || ::fstat(fichier.Numero(), &infos) != 0) {
    raison = TexteErreurSysteme(errno);
    return std::nullopt;
  }
  if (S_ISDIR(infos.st_mode)) {
    raison = "c'est un dossier";
    return std::nullopt;
  }
  if (!S_ISREG(infos.st_mode)) {
    raison = "ce n'est pas un fichier ordinaire";
    return std::nullopt;
  }
  const std::string tropGrand = "programme trop grand (plus de 16 Mio)";
  if (static_cast<std::uintmax_t>(infos.st_size) > kTailleMaxSource) {
    raison = tropGrand;
    return std::nullopt;
  }
  std::string octets;
  if (!LitAuPlus(fichier.Numero(), kTailleMaxSource, octets)) {
    raison = TexteErreurSysteme(errno);
    return std::nullopt;
  }
  if (octets.size() > kTailleMaxSource) {
    raison = tropGrand;
    return std::nullopt;
  }
  if (NombreLignes(octets) > kLignesMaxSource) {
    raison = "programme trop long (plus de 1 000 000 lignes)";
    return std::nullopt;
  }
  return DecoupeSource(std::move(octets));
}

std::vector<std::string> DecoupeSource(std::string octets) {
  if (octets.starts_with("\xEF\xBB\xBF")) octets.erase(0, 3);
  // The file's bytes go as soon as their conversion exists: a large program is held twice at most.
  if (EstUtf8Valide(octets)) octets = Utf8VersCp1252(octets);
  std::vector<std::string> lignes;
  lignes.reserve(NombreLignes(octets));
  std::size_t debut = 0;
  while (debut < octets.size()) {
    std::size_t fin = octets.find('\n', debut);
    if (fin == std::string::npos) fin = octets.size();
    std::size_t finTexte = fin;
    if (finTexte > debut && octets[finTexte - 1] == '\r') --finTexte;
    lignes.push_back(octets.substr(debut, finTexte - debut));
    debut = fin + 1;
  }
  return lignes;
}

}  // namespace korvane
