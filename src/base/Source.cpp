#include "base/Source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <utility>

#include "base/ErreurSysteme.h"
#include "base/Texte.h"

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

// Calls `ligne(debut, fin)` for each line of `octets`, its line end left out.
template <typename Action>
void PourChaqueLigne(std::string_view octets, Action ligne) {
  std::size_t debut = 0;
  while (debut < octets.size()) {
    std::size_t fin = octets.find_first_of("\r\n", debut);
    if (fin == std::string_view::npos) fin = octets.size();
    ligne(debut, fin);
    debut = fin + (octets.substr(fin).starts_with("\r\n") ? 2 : 1);
  }
}

std::size_t NombreLignes(std::string_view octets) {
  std::size_t nombre = 0;
  PourChaqueLigne(octets, [&nombre](std::size_t, std::size_t) { ++nombre; });
  return nombre;
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

// Why `infos` cannot be read as a program, or nothing when it can.
std::optional<std::string> Refus(const struct stat& infos) {
  if (S_ISDIR(infos.st_mode)) return "c'est un dossier";
  if (!S_ISREG(infos.st_mode)) return "ce n'est pas un fichier ordinaire";
  if (static_cast<std::uintmax_t>(infos.st_size) > kTailleMaxSource) return "fichier trop grand (plus de 16 Mio)";
  return std::nullopt;
}

}  // namespace

std::optional<SourceLue> LitSource(const std::string& chemin, std::string& raison) {
  // Without blocking: opening a FIFO would otherwise wait for a writer.
  const Descripteur fichier(::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat infos {};
  if (fichier.Numero() < 0 || ::fstat(fichier.Numero(), &infos) != 0) {
    raison = TexteErreurSysteme(errno);
    return std::nullopt;
  }
  if (auto refus = Refus(infos)) {
    raison = std::move(*refus);
    return std::nullopt;
  }
  std::string octets;
  if (!LitAuPlus(fichier.Numero(), kTailleMaxSource, octets)) {
    raison = TexteErreurSysteme(errno);
    return std::nullopt;
  }
  if (octets.size() > kTailleMaxSource) {
    raison = "fichier trop grand (plus de 16 Mio)";
    return std::nullopt;
  }
  if (NombreLignes(octets) > kLignesMaxSource) {
    raison = "fichier trop long (plus de 1 000 000 lignes)";
    return std::nullopt;
  }
  return DecoupeSource(octets);
}

SourceLue DecoupeSource(std::string_view octets) {
  SourceLue source;
  source.Format.Bom = octets.starts_with(kBomUtf8);
  if (source.Format.Bom) octets.remove_prefix(kBomUtf8.size());
  source.Format.Codage = EstUtf8Valide(octets) ? Encodage::Utf8 : Encodage::Windows1252;
  source.Lignes.reserve(NombreLignes(octets));
  PourChaqueLigne(octets, [&](std::size_t debut, std::size_t fin) {
    source.Lignes.emplace_back(octets.substr(debut, fin - debut));
  });
  return source;
}

std::vector<std::string> LignesCp1252(SourceLue source) {
  if (source.Format.Codage == Encodage::Utf8)
    for (std::string& ligne : source.Lignes) ligne = Utf8VersCp1252(ligne);
  return std::move(source.Lignes);
}

}  // namespace korvane
