#include "eval/Fichiers.h"

#include <cerrno>

#include "base/Calcul.h"
#include "base/EchecExecution.h"
#include "base/ErreurSysteme.h"
#include "base/Nombres.h"
#include "base/Texte.h"
#include "eval/Operandes.h"
#include "machine/Symboles.h"

namespace korvane {

namespace {

constexpr std::string_view kFinLigne = "\r\n";
constexpr std::size_t kToutLeReste = std::string::npos;

// Runtime I/O codes of a channel used in the wrong state.
constexpr char kFichierNonOuvert[] = "Erreur E/S 103";
constexpr char kNonOuvertEnLecture[] = "Erreur E/S 104";
constexpr char kNonOuvertEnEcriture[] = "Erreur E/S 105";

// The channel digit that starts `texte`, or -1 when it does not start with a digit.
int ChiffreCanal(std::string_view texte) {
  return !texte.empty() && texte[0] >= '0' && texte[0] <= '9' ? texte[0] - '0' : -1;
}

// A failed write is not reported by the interpreter: it ends the run.
[[noreturn]] void EchecEntreeSortie(const Message& message) { throw EchecExecution(message); }

void FermeOuEchoue(Canal& canal) {
  if (!canal.Ferme()) EchecEntreeSortie(MessageEntreeSortie(errno));
}

void EcritOuEchoue(Machine& m, Canal& canal, const std::string& texte) {
  if (canal.Mode == Canal::Etat::Ferme) EchecEntreeSortie(kFichierNonOuvert);
  if (canal.Mode == Canal::Etat::Lecture) EchecEntreeSortie(kNonOuvertEnEcriture);
  if (canal.Ecrit(texte)) return;
  const int erreur = errno;
  // A write that blocked (a pipe nobody reads) until the user's interrupt stops like any stop.
  if (erreur == EINTR && m.Monde.Touches.ArretDemande()) return m.Erreur();
  EchecEntreeSortie(MessageEntreeSortie(erreur));
}

// A trailing ';' keeps the next output on the same line.
bool RetirePointVirgule(std::string& operande) {
  if (!operande.ends_with(';')) return false;
  operande.pop_back();
  return true;
}

// OPEN "I"|"O",n,name: opens channel n for reading or writing, closing what it held.
void InstrOpen(Machine& m, Instruction& i) {
  const std::string u = Majuscules(i.Argument);
  const char mode = u.size() >= 2 ? u[1] : '\0';
  const std::string reste = Trim(Copie(u, 5, kToutLeReste));
  const int numero = ChiffreCanal(reste);
  if (numero < 0) return m.Erreur("Erreur numéro de fichier (1-3)");
  std::string nom = Copie(reste, 3, kToutLeReste);
  if (!LitChaine(m, nom)) return;
  if (!Canaux::Valide(numero)) return m.Erreur("Erreur numéro de fichier (1-3)");
  if (mode != 'I' && mode != 'O') return m.Erreur("Erreur mode ouverture (I-O)");

  Canal& canal = m.Fichiers[numero];
  FermeOuEchoue(canal);
  canal.NomFichier = nom;
  if (!canal.Ouvre(nom, mode == 'I' ? Canal::Etat::Lecture : Canal::Etat::Ecriture)) m.Erreur("Erreur Entrée/Sortie");
}

// CLOSE# n
void InstrCloseCanal(Machine& m, Instruction& i) {
  const auto numero = TexteVersEntier(i.Argument);
  if (!numero || !Canaux::Valide(*numero)) return m.Erreur("Erreur numéro de fichier (1-3)");
  FermeOuEchoue(m.Fichiers[*numero]);
}

// PRINT# n,operand[;]: a line end unless ';' ends it.
void InstrPrintCanal(Machine& m, Instruction& i) {
  const int numero = ChiffreCanal(i.Argument);
  if (numero < 0) return m.Erreur("Erreur numéro de fichier");
  std::string operande = Copie(i.Argument, 3, kToutLeReste);
  bool finLigne = true;
  if (!operande.empty()) {
    operande = Trim(operande);
    finLigne = !RetirePointVirgule(operande);
    if (!LitOperande(m, operande)) return;
  }
  if (!Canaux::Valide(numero)) return m.Erreur("Erreur numéro de fichier");
  if (finLigne) operande += kFinLigne;
  EcritCanal(m, numero, operande);
}

// LPRINT [operand[;]]: the first one starts the printer job that CloseAll ends.
void InstrLPrint(Machine& m, Instruction& i) {
  if (!m.Fichiers.ImprimanteOuverte) {
    m.Monde.Printer.DebutTravail();
    m.Fichiers.ImprimanteOuverte = true;
  }
  std::string operande = Trim(i.Argument);
  if (operande.empty()) return m.Monde.Printer.FinLigne();
  const bool finLigne = !RetirePointVirgule(operande);
  if (!LitOperande(m, operande)) return;
  m.Monde.Printer.Ecrit(operande);
  if (finLigne) m.Monde.Printer.FinLigne();
}

constexpr MotInstruction kInstructions[] = {
    {"LPRINT", InstrLPrint}, {"PRINT#", InstrPrintCanal}, {"OPEN", InstrOpen}, {"CLOSE#", InstrCloseCanal}};

}  // namespace

void InstrLineInputCanal(Machine& m, Instruction& i) {
  const int numero = ChiffreCanal(i.Argument);
  if (numero < 0) return m.Erreur("Erreur dans numéro de fichier");
  const std::string nom = Trim(Copie(i.Argument, 3, kToutLeReste));
  const Symbole* s = ChercheEtiq(m, nom);
  if (!s) return m.Erreur(Message("Variable ") + nom + " n'existe pas");
  if (s->Genre != Genre::Chaine) return m.Erreur("Erreur dans type de variable");
  if (!Canaux::Valide(numero)) return m.Erreur("Erreur numéro de fichier (1-3)");
  std::string ligne;
  switch (m.Fichiers[numero].LitLigne(ligne, kLongueurMaxChaine)) {
    case Canal::Lecture::TropLongue: return m.Erreur("Trop de variables");
    case Canal::Lecture::Echouee: return m.Erreur("Erreur Entrée/Sortie");
    case Canal::Lecture::Faite: break;
  }
  // A failed store has reported itself and stopped the run; the statement ends here anyway.
  static_cast<void>(EcritValeur(m, ligne, Genre::Chaine, s->Adresse));
}

bool FinDeFichier(Machine& m, int canal) {
  if (!Canaux::Valide(canal) || m.Fichiers[canal].Mode == Canal::Etat::Ferme) EchecEntreeSortie(kFichierNonOuvert);
  if (m.Fichiers[canal].Mode != Canal::Etat::Lecture) EchecEntreeSortie(kNonOuvertEnLecture);
  const auto fin = m.Fichiers[canal].FinAtteinte();
  if (!fin) EchecEntreeSortie(MessageEntreeSortie(errno));
  return *fin;
}

void EcritCanal(Machine& m, int numero, const std::string& texte) { EcritOuEchoue(m, m.Fichiers[numero], texte); }

Fermeture CloseAll(Machine& m) {
  Fermeture fermeture;
  for (int numero = 1; numero <= 3; ++numero)
    if (!m.Fichiers[numero].Ferme()) fermeture.Echecs.push_back(MessageEntreeSortie(errno));
  if (m.Fichiers.ImprimanteOuverte) {
    m.Fichiers.ImprimanteOuverte = false;
    try {
      m.Monde.Printer.FinTravail();
    } catch (const EchecExecution& echec) {
      fermeture.Echecs.push_back(Message("") + Utf8VersCp1252(echec.what()));
    }
  }
  return fermeture;
}

std::span<const MotInstruction> InstructionsFichiers() { return kInstructions; }

}  // namespace korvane
