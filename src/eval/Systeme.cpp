#include "eval/Systeme.h"

#include <sys/stat.h>
#include <unistd.h>

#include "base/Texte.h"
#include "eval/Operandes.h"

namespace korvane {

namespace {

using AppelSysteme = int (*)(const char*);

// Names go to the system as the program's bytes; a NUL byte would cut the name short.
bool Reussit(AppelSysteme appel, const std::string& nom) {
  return nom.find('\0') == std::string::npos && appel(nom.c_str()) == 0;
}

int CreeRepertoire(const char* nom) { return ::mkdir(nom, 0777); }

// The operand of these statements: a string literal or a STRING variable.
bool LitNom(Machine& m, std::string& texte) {
  texte = Trim(texte);
  return LitChaine(m, texte);
}

void InstrMsgBox(Machine& m, Instruction& i) {
  if (LitNom(m, i.Argument)) m.Monde.Messages.Affiche(i.Argument);
}

// A file a channel holds is kept: what the channel writes next would go nowhere.
void InstrKill(Machine& m, Instruction& i) {
  if (LitNom(m, i.Argument) && (m.Fichiers.Tient(i.Argument) || !Reussit(::unlink, i.Argument)))
    m.Erreur(Message("Fichier ") + i.Argument + " n'a pas été effacé");
}

void InstrMkDir(Machine& m, Instruction& i) {
  if (LitNom(m, i.Argument) && !Reussit(CreeRepertoire, i.Argument))
    m.Erreur(Message("Répertoire ") + i.Argument + " n'a pas été créé");
}

void InstrRmDir(Machine& m, Instruction& i) {
  if (LitNom(m, i.Argument) && !Reussit(::rmdir, i.Argument))
    m.Erreur(Message("Répertoire ") + i.Argument + " n'a pas été éffacé");
}

void InstrChDir(Machine& m, Instruction& i) {
  if (LitNom(m, i.Argument) && !Reussit(::chdir, i.Argument))
    m.Erreur(Message("Répertoire ") + i.Argument + " inexistant");
}

constexpr MotInstruction kInstructions[] = {
    {"MSGBOX", InstrMsgBox}, {"KILL", InstrKill}, {"CHDIR", InstrChDir}, {"RMDIR", InstrRmDir}, {"MKDIR", InstrMkDir}};

}  // namespace

std::span<const MotInstruction> InstructionsSysteme() { return kInstructions; }

}  // namespace korvane
