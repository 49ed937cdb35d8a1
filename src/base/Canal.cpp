#include "base/Canal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace korvane {

namespace {
// Opened without blocking, so that a FIFO without a writer (or reader) cannot hang the run.
int OuvreDescripteur(const std::string& nom, Canal::Etat mode) {
  const int drapeaux = mode == Canal::Etat::Lecture ? O_RDONLY : O_WRONLY | O_CREAT | O_TRUNC;
  return ::open(nom.c_str(), drapeaux | O_NONBLOCK | O_CLOEXEC, 0666);
}

// Reading takes regular files only: a device or a pipe could feed an endless line or none.
bool TypeAccepte(const struct stat& infos, Canal::Etat mode) {
  return mode != Canal::Etat::Lecture || S_ISREG(infos.st_mode);
}

IdentiteFichier Identifie(const struct stat& infos) {
  return {static_cast<uint64_t>(infos.st_dev), static_cast<uint64_t>(infos.st_ino)};
}

bool RendBloquant(int descripteur) {
  const int drapeaux = ::fcntl(descripteur, F_GETFL);
  return drapeaux != -1 && ::fcntl(descripteur, F_SETFL, drapeaux & ~O_NONBLOCK) != -1;
}
}  // namespace

bool Canal::Ouvre(const std::string& nom, Etat mode) {
  // A name with a NUL byte would silently open a shorter name.
  if (nom.find('\0') != std::string::npos) return false;
  const int descripteur = OuvreDescripteur(nom, mode);
  if (descripteur == -1) return false;
  struct stat infos {};
  std::FILE* f = nullptr;
  if (::fstat(descripteur, &infos) == 0 && TypeAccepte(infos, mode) && RendBloquant(descripteur))
    f = ::fdopen(descripteur, mode == Etat::Lecture ? "rb" : "wb");
  if (!f) {
    ::close(descripteur);
    return false;
  }
  Fichier.reset(f);
  Mode = mode;
  identite_ = Identifie(infos);
  return true;
}

std::optional<IdentiteFichier> IdentiteDe(const std::string& nom) {
  struct stat infos {};
  if (nom.find('\0') != std::string::npos || ::lstat(nom.c_str(), &infos) != 0) return std::nullopt;
  return Identifie(infos);
}

bool Canal::Ferme() {
  Mode = Etat::Ferme;
  if (!Fichier) return true;
  return std::fclose(Fichier.release()) == 0;
}

void Canal::Delie() {
  // The channel is being unbound from a program that is gone: a lost final write has
  // no statement left to report it.
  static_cast<void>(Ferme());
  NomFichier.clear();
}

bool Canal::Ecrit(const std::string& texte) {
  if (Mode != Etat::Ecriture) {
    errno = EBADF;
    return false;
  }
  const bool ecrit = std::fwrite(texte.data(), 1, texte.size(), Fichier.get()) == texte.size();
  return std::fflush(Fichier.get()) == 0 && ecrit;
}

Canal::Lecture Canal::LitLigne(std::string& ligne, std::size_t maximum) {
  ligne.clear();
  if (Mode != Etat::Lecture) return Lecture::Faite;
  int c = std::getc(Fichier.get());
  for (; c != EOF && c != '\n'; c = std::getc(Fichier.get())) {
    // One byte beyond the maximum may still be the CR of a CR LF end.
    if (ligne.size() > maximum) return Lecture::TropLongue;
    ligne.push_back(static_cast<char>(c));
  }
  if (c == EOF && std::ferror(Fichier.get())) return Lecture::Echouee;
  if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
  return ligne.size() > maximum ? Lecture::TropLongue : Lecture::Faite;
}

std::optional<IdentiteFichier> Canal::Identite() const {
  if (Mode == Etat::Ferme) return std::nullopt;
  return identite_;
}

std::optional<bool> Canal::FinAtteinte() {
  if (Mode != Etat::Lecture) return true;
  const int c = std::getc(Fichier.get());
  if (c == EOF) return std::ferror(Fichier.get()) ? std::nullopt : std::optional<bool>(true);
  std::ungetc(c, Fichier.get());
  return false;
}

}  // namespace korvane
