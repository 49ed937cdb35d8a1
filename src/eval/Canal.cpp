#include "eval/Canal.h"

#include <sys/stat.h>

#include <cerrno>

namespace korvane {

namespace {
bool EstRepertoire(std::FILE* f) {
  struct stat infos {};
  return ::fstat(::fileno(f), &infos) == 0 && S_ISDIR(infos.st_mode);
}
}  // namespace

bool Canal::Ouvre(const std::string& nom, Etat mode) {
  // A name with a NUL byte would silently open a shorter name.
  if (nom.find('\0') != std::string::npos) {
    errno = ENOENT;
    return false;
  }
  std::unique_ptr<std::FILE, FermeFichier> f(std::fopen(nom.c_str(), mode == Etat::Lecture ? "rb" : "wb"));
  if (!f) return false;
  // POSIX lets a directory be opened for reading; it is not a text file.
  if (EstRepertoire(f.get())) {
    errno = EISDIR;
    return false;
  }
  Fichier = std::move(f);
  Mode = mode;
  return true;
}

bool Canal::Ferme() {
  Mode = Etat::Ferme;
  if (!Fichier) return true;
  return std::fclose(Fichier.release()) == 0;
}

void Canal::Delie() {
  Ferme();
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

std::string Canal::LitLigne() {
  std::string ligne;
  if (Mode != Etat::Lecture) return ligne;
  for (int c = std::getc(Fichier.get()); c != EOF && c != '\n'; c = std::getc(Fichier.get()))
    ligne.push_back(static_cast<char>(c));
  if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
  return ligne;
}

bool Canal::FinAtteinte() {
  if (Mode != Etat::Lecture) return true;
  const int c = std::getc(Fichier.get());
  if (c == EOF) return true;
  std::ungetc(c, Fichier.get());
  return false;
}

}  // namespace korvane
