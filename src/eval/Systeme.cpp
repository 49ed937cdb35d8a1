// MSGBOX and the file-system statements KILL, MKDIR, RMDIR, CHDIR.
#include <sys/stat.h>
#include <unistd.h>

#include "eval/Texte.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

namespace {

using AppelSysteme = int (*)(const char*);

// Names go to the system as the program's bytes; a NUL byte would cut the name short.
bool Reussit(AppelSysteme appel, const std::string& nom) {
  return nom.find('\0') == std::string::npos && appel(nom.c_str()) == 0;
}

int CreeRepertoire(const char* nom) { return ::mkdir(nom, 0777); }

// The operand of these statements: a string literal or a STRING variable.
bool LitNom(Interpreteur& it, std::string& texte) {
  texte = Trim(texte);
  it.LitChaine(texte);
  return it.Etat == kContinue;
}

}  // namespace

void Interpreteur::InstrMsgBox(std::string& texte) {
  if (LitNom(*this, texte)) Monde.Messages.Affiche(texte);
}

void Interpreteur::InstrKill(std::string& texte) {
  if (LitNom(*this, texte) && !Reussit(::unlink, texte)) Erreur(Cp("Fichier ") + texte + Cp(" n'a pas été effacé"));
}

void Interpreteur::InstrMkDir(std::string& texte) {
  if (LitNom(*this, texte) && !Reussit(CreeRepertoire, texte))
    Erreur(Cp("Répertoire ") + texte + Cp(" n'a pas été créé"));
}

void Interpreteur::InstrRmDir(std::string& texte) {
  if (LitNom(*this, texte) && !Reussit(::rmdir, texte)) Erreur(Cp("Répertoire ") + texte + Cp(" n'a pas été éffacé"));
}

void Interpreteur::InstrChDir(std::string& texte) {
  if (LitNom(*this, texte) && !Reussit(::chdir, texte)) Erreur(Cp("Répertoire ") + texte + Cp(" inexistant"));
}

}  // namespace korvane
