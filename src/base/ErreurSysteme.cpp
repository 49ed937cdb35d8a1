#include "base/ErreurSysteme.h"

#include <cerrno>

namespace korvane {

std::string TexteErreurSysteme(int erreur) {
  switch (erreur) {
    case ENOENT: return "fichier introuvable";
    case EACCES:
    case EPERM: return "accès refusé";
    case EISDIR: return "c'est un dossier";
    case ENOTDIR: return "un élément du chemin n'est pas un dossier";
    case ENAMETOOLONG: return "nom trop long";
    case ELOOP: return "trop de liens symboliques";
    case ENOSPC:
    case EDQUOT: return "disque plein";
    case EFBIG: return "fichier trop grand";
    case EROFS: return "système de fichiers en lecture seule";
    case EBADF: return "descripteur fermé ou en lecture seule";
    case EPIPE: return "plus personne ne lit";
    case ENXIO: return "aucun lecteur au bout du tube";
    case EMFILE:
    case ENFILE: return "trop de fichiers ouverts";
    case ENOMEM: return "mémoire insuffisante";
    case EIO: return "erreur d'entrée-sortie";
    default: return "erreur système " + std::to_string(erreur);
  }
}

}  // namespace korvane
