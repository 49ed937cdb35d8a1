#include "base/ErreurSysteme.h"

#include <cerrno>

namespace korvane {

namespace {

// How the dialect names a failed file operation.
enum class Famille { DisquePlein, AccesRefuse, Autre };

struct TexteErreur {
  int Erreur;
  const char* Texte;
  Famille Dialecte;
};

constexpr TexteErreur kTextes[] = {
    {ENOENT, "fichier introuvable", Famille::Autre},
    {EACCES, "accès refusé", Famille::AccesRefuse},
    {EPERM, "accès refusé", Famille::AccesRefuse},
    {EISDIR, "c'est un dossier", Famille::Autre},
    {ENOTDIR, "un élément du chemin n'est pas un dossier", Famille::Autre},
    {ENAMETOOLONG, "nom trop long", Famille::Autre},
    {ELOOP, "trop de liens symboliques", Famille::Autre},
    {ENOSPC, "disque plein", Famille::DisquePlein},
    {EDQUOT, "disque plein", Famille::DisquePlein},
    {EFBIG, "fichier trop grand", Famille::Autre},
    {EROFS, "système de fichiers en lecture seule", Famille::AccesRefuse},
    {EBADF, "descripteur fermé ou en lecture seule", Famille::Autre},
    {EPIPE, "plus personne ne lit", Famille::Autre},
    {ENXIO, "aucun lecteur au bout du tube", Famille::Autre},
    {EMFILE, "trop de fichiers ouverts", Famille::Autre},
    {ENFILE, "trop de fichiers ouverts", Famille::Autre},
    {ENOMEM, "mémoire insuffisante", Famille::Autre},
    {EIO, "erreur d'entrée-sortie", Famille::Autre},
};

const TexteErreur* Cherche(int erreur) {
  for (const TexteErreur& t : kTextes)
    if (t.Erreur == erreur) return &t;
  return nullptr;
}

}  // namespace

std::string TexteErreurSysteme(int erreur) {
  const TexteErreur* t = Cherche(erreur);
  return t ? t->Texte : "erreur système " + std::to_string(erreur);
}

Message MessageEntreeSortie(int erreur) {
  const TexteErreur* t = Cherche(erreur);
  const Famille famille = t ? t->Dialecte : Famille::Autre;
  if (famille == Famille::DisquePlein) return "Disque plein";
  if (famille == Famille::AccesRefuse) return "Accès au fichier refusé";
  return Message("Erreur E/S ") + std::to_string(erreur == 0 ? EIO : erreur);
}

}  // namespace korvane
