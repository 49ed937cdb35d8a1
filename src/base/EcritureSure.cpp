#include "base/EcritureSure.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>

#include "base/ErreurSysteme.h"

namespace korvane {

namespace {

// The file a save must replace: the target of a symbolic link, so that the link stays.
std::string CheminReel(const std::string& chemin) {
  char reel[PATH_MAX];
  return ::realpath(chemin.c_str(), reel) != nullptr ? std::string(reel) : chemin;
}

std::string Dossier(const std::string& chemin) {
  const std::size_t barre = chemin.rfind('/');
  if (barre == std::string::npos) return ".";
  return barre == 0 ? "/" : chemin.substr(0, barre);
}

// A new file beside `chemin`, created by us alone (mode 0666 less the umask), or -1.
int CreeTemporaire(const std::string& chemin, std::string& temporaire) {
  std::random_device hasard;
  for (int essai = 0; essai < 100; ++essai) {
    temporaire = chemin + ".enregistrement-" + std::to_string(hasard());
    const int descripteur = ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descripteur >= 0 || errno != EEXIST) return descripteur;
  }
  return -1;
}

bool EcritTout(int descripteur, std::string_view octets) {
  while (!octets.empty()) {
    const ssize_t n = ::write(descripteur, octets.data(), octets.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    // A write that stores nothing without an error would loop for ever: a full disk.
    if (n == 0) {
      errno = ENOSPC;
      return false;
    }
    octets.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The old file's permissions carry over to its replacement.
bool GardeDroits(int descripteur, const std::string& ancien) {
  struct stat infos {};
  if (::stat(ancien.c_str(), &infos) != 0) return errno == ENOENT;
  return ::fchmod(descripteur, infos.st_mode & 07777) == 0;
}

// Makes the rename itself durable.
bool SynchroniseDossier(const std::string& dossier) {
  const int descripteur = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descripteur < 0) return false;
  const bool fait = ::fsync(descripteur) == 0 || errno == EINVAL;
  const int erreur = errno;
  ::close(descripteur);
  errno = erreur;
  return fait;
}

}  // namespace

bool RemplaceFichier(const std::string& chemin, std::string_view octets, std::string& raison) {
  const std::string cible = CheminReel(chemin);
  std::string temporaire;
  const int descripteur = CreeTemporaire(cible, temporaire);
  if (descripteur < 0) {
    raison = TexteErreurSysteme(errno);
    return false;
  }
  bool fait = EcritTout(descripteur, octets) && GardeDroits(descripteur, cible) && ::fsync(descripteur) == 0;
  int erreur = errno;
  if (::close(descripteur) != 0 && fait) {
    fait = false;
    erreur = errno;
  }
  if (fait && ::rename(temporaire.c_str(), cible.c_str()) != 0) {
    fait = false;
    erreur = errno;
  }
  if (!fait) {
    ::unlink(temporaire.c_str());
    raison = TexteErreurSysteme(erreur);
    return false;
  }
  if (!SynchroniseDossier(Dossier(cible))) {
    raison = TexteErreurSysteme(errno);
    return false;
  }
  return true;
}

}  // namespace korvane
