// File channels 1-3 (OPEN, CLOSE#, PRINT#, LINE INPUT#, EOF) and the printer (LPRINT).
#include <cerrno>

#include "eval/Nombres.h"
#include "eval/Texte.h"
#include "interpreter/EchecExecution.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

namespace {

constexpr std::string_view kFinLigne = "\r\n";
constexpr std::size_t kToutLeReste = std::string::npos;

// Runtime I/O codes of a channel used in the wrong state.
constexpr const char* kFichierNonOuvert = "Erreur E/S 103";
constexpr const char* kNonOuvertEnLecture = "Erreur E/S 104";
constexpr const char* kNonOuvertEnEcriture = "Erreur E/S 105";

// The channel digit that starts `texte`, or -1 when it does not start with a digit.
int ChiffreCanal(std::string_view texte) {
  return !texte.empty() && texte[0] >= '0' && texte[0] <= '9' ? texte[0] - '0' : -1;
}

bool CanalValide(int32_t numero) { return numero >= 1 && numero <= 3; }

std::string MessageSysteme(int erreur) {
  switch (erreur) {
    case ENOSPC:
    case EDQUOT: return "Disque plein";
    case EACCES:
    case EPERM:
    case EROFS: return "Accès au fichier refusé";
    case 0: return "Erreur E/S " + std::to_string(EIO);
    default: return "Erreur E/S " + std::to_string(erreur);
  }
}

// A failed write is not reported by the interpreter: it ends the run.
[[noreturn]] void EchecEntreeSortie(const std::string& message) { throw EchecExecution(message); }

void FermeOuEchoue(Canal& canal) {
  if (!canal.Ferme()) EchecEntreeSortie(MessageSysteme(errno));
}

void EcritOuEchoue(Canal& canal, const std::string& texte) {
  if (canal.Mode == Canal::Etat::Ferme) EchecEntreeSortie(kFichierNonOuvert);
  if (canal.Mode == Canal::Etat::Lecture) EchecEntreeSortie(kNonOuvertEnEcriture);
  if (!canal.Ecrit(texte)) EchecEntreeSortie(MessageSysteme(errno));
}

// A trailing ';' keeps the next output on the same line.
bool RetirePointVirgule(std::string& operande) {
  if (!operande.ends_with(';')) return false;
  operande.pop_back();
  return true;
}

}  // namespace

void Interpreteur::InstrOpen(std::string& texte) {
  const std::string u = Majuscules(texte);
  const char mode = u.size() >= 2 ? u[1] : '\0';
  const std::string reste = Trim(Copie(u, 5, kToutLeReste));
  const int numero = ChiffreCanal(reste);
  if (numero < 0) return Erreur("Erreur numéro de fichier (1-3)");
  std::string nom = Copie(reste, 3, kToutLeReste);
  LitChaine(nom);
  if (Etat > kContinue) return;
  if (!CanalValide(numero)) return Erreur("Erreur numéro de fichier (1-3)");
  if (mode != 'I' && mode != 'O') return Erreur("Erreur mode ouverture (I-O)");

  Canal& canal = Canaux[numero];
  FermeOuEchoue(canal);
  canal.NomFichier = nom;
  if (!canal.Ouvre(nom, mode == 'I' ? Canal::Etat::Lecture : Canal::Etat::Ecriture)) Erreur("Erreur Entrée/Sortie");
}

void Interpreteur::InstrCloseCanal(std::string& texte) {
  const auto numero = TexteVersEntier(texte);
  if (!numero || !CanalValide(*numero)) return Erreur("Erreur numéro de fichier (1-3)");
  FermeOuEchoue(Canaux[*numero]);
}

void Interpreteur::InstrPrintCanal(std::string& texte) {
  Etat = kContinue;
  const int numero = ChiffreCanal(texte);
  if (numero < 0) return Erreur("Erreur numéro de fichier");
  std::string operande = Copie(texte, 3, kToutLeReste);
  bool finLigne = true;
  if (!operande.empty()) {
    operande = Trim(operande);
    finLigne = !RetirePointVirgule(operande);
    LitOperande(operande);
    if (Etat > kContinue) return;
  }
  if (!CanalValide(numero)) return Erreur("Erreur numéro de fichier");
  if (finLigne) operande += kFinLigne;
  EcritOuEchoue(Canaux[numero], operande);
}

void Interpreteur::InstrLineInputCanal(std::string& texte) {
  const int numero = ChiffreCanal(texte);
  if (numero < 0) return Erreur("Erreur dans numéro de fichier");
  std::string nom = Trim(Copie(texte, 3, kToutLeReste));
  char genre = 0;
  int32_t adresse = 0;
  ChercheEtiq(nom, genre, adresse);
  if (adresse < 0) return Erreur("Variable " + nom + " n'existe pas");
  if (genre != 'S') return Erreur("Erreur dans type de variable");
  if (!CanalValide(numero)) return Erreur("Erreur numéro de fichier (1-3)");
  EcritValeur(Canaux[numero].LitLigne(), 'S', adresse);
}

bool Interpreteur::FinDeFichier(int canal) {
  if (!CanalValide(canal) || Canaux[canal].Mode == Canal::Etat::Ferme) EchecEntreeSortie(kFichierNonOuvert);
  if (Canaux[canal].Mode != Canal::Etat::Lecture) EchecEntreeSortie(kNonOuvertEnLecture);
  return Canaux[canal].FinAtteinte();
}

void Interpreteur::InstrLPrint(std::string& texte) {
  Etat = kContinue;
  if (!ImprimanteOuverte) {
    Monde.Printer.DebutTravail();
    ImprimanteOuverte = true;
  }
  std::string operande = Trim(texte);
  if (operande.empty()) return Monde.Printer.FinLigne();
  const bool finLigne = !RetirePointVirgule(operande);
  LitOperande(operande);
  if (Etat > kContinue) return;
  Monde.Printer.Ecrit(operande);
  if (finLigne) Monde.Printer.FinLigne();
}

}  // namespace korvane
