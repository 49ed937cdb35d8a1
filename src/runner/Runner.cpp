#include "runner/Runner.h"

#include <unistd.h>

#include <filesystem>
#include <locale>
#include <new>

#include "base/EchecExecution.h"
#include "base/ErreurSysteme.h"
#include "base/Texte.h"
#include "interpreter/Interpreteur.h"
#include "runner/Signaux.h"
#include "runner/Terminal.h"

namespace korvane {

const char* const kUsage =
    "Usage : korvane-run [--param TEXTE] [--decimal-separator C] [--printer FICHIER] FICHIER.bas";

const char* const kAide =
    "Exécute un programme BASIC dans le terminal, sans affichage graphique.\n"
    "\n"
    "  --param TEXTE            le texte que rend COMMAND$\n"
    "  --decimal-separator C    le séparateur décimal (par défaut, celui de la langue du système)\n"
    "  --printer FICHIER        écrit les LPRINT dans FICHIER plutôt que sur la sortie standard\n"
    "  --help                   affiche cette aide et quitte\n"
    "  --version                affiche la version et quitte\n"
    "\n"
    "Statut de sortie : 0 le programme s'est terminé, 1 il s'est arrêté (erreur, point d'arrêt,\n"
    "signal), 2 un échec l'a interrompu, 64 mauvais usage, 66 le fichier ne peut pas être exécuté.\n";

namespace {

// One character that cannot be part of a number: not a digit, sign, exponent, blank or control.
std::optional<char> LitSeparateur(const std::string& valeur) {
  bool perte = false;
  const std::string octets = EstUtf8Valide(valeur) ? Utf8VersCp1252(valeur, &perte) : valeur;
  if (perte || octets.size() != 1) return std::nullopt;
  const auto c = static_cast<unsigned char>(octets[0]);
  const bool controle = c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
  const bool dansUnNombre = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'E' || c == 'e';
  const bool blanc = c == ' ' || c == 0xA0;
  if (controle || dansUnNombre || blanc) return std::nullopt;
  return octets[0];
}

// Named from the folder where korvane-run started.
std::optional<std::string> CheminImprimante(const std::string& valeur) {
  std::error_code erreur;
  const auto chemin = std::filesystem::absolute(valeur, erreur);
  if (erreur || valeur.empty()) return std::nullopt;
  return chemin.string();
}

}  // namespace

std::optional<OptionsRunner> LitOptions(const std::vector<std::string>& arguments, std::string& raison) {
  OptionsRunner options;
  bool fichierLu = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    if (a == "--help" || a == "--version") {
      options.Demandee = a == "--help" ? Demande::Aide : Demande::Version;
      return options;
    }
    const bool avecValeur = a == "--param" || a == "--decimal-separator" || a == "--printer";
    if (avecValeur && i + 1 >= arguments.size()) {
      raison = "l'option " + a + " attend une valeur";
      return std::nullopt;
    }
    if (a == "--param") {
      options.Parametres = arguments[++i];
    } else if (a == "--printer") {
      const auto chemin = CheminImprimante(arguments[++i]);
      if (!chemin) {
        raison = "fichier d'imprimante non valide « " + arguments[i] + " »";
        return std::nullopt;
      }
      options.Imprimante = *chemin;
    } else if (a == "--decimal-separator") {
      options.SeparateurDecimal = LitSeparateur(arguments[++i]);
      if (!options.SeparateurDecimal) {
        raison = "séparateur décimal non valide « " + arguments[i] +
                 " » : un seul caractère, ni chiffre, ni signe, ni E, ni blanc, ni caractère de contrôle";
        return std::nullopt;
      }
    } else if (a.starts_with("--")) {
      raison = "option inconnue « " + a + " »";
      return std::nullopt;
    } else if (fichierLu) {
      raison = "un seul fichier attendu, « " + a + " » en plus de « " + options.Fichier + " »";
      return std::nullopt;
    } else {
      options.Fichier = a;
      fichierLu = true;
    }
  }
  if (!fichierLu) raison = "aucun fichier indiqué";
  if (!fichierLu) return std::nullopt;
  return options;
}

char SeparateurDuSysteme() {
  try {
    return std::use_facet<std::numpunct<char>>(std::locale("")).decimal_point();
  } catch (const std::runtime_error&) {
    return '.';  // an unknown locale in the environment
  }
}

namespace {
class Lignes : public Programme {
 public:
  explicit Lignes(const std::vector<std::string>& lignes) : lignes_(lignes) {}
  int NbLignes() const override { return static_cast<int>(lignes_.size()); }
  std::string Ligne(int index) const override { return lignes_[static_cast<std::size_t>(index)]; }
  void LitLigne(int index, std::string& tampon) const override { tampon = lignes_[static_cast<std::size_t>(index)]; }
  std::optional<uint64_t> Revision() const override { return 0; }  // the file is read once

 private:
  const std::vector<std::string>& lignes_;
};

std::string TexteFinSortie(Issue issue, const SortieTamponnee& sortie) {
  if (issue == Issue::Interrompue) return Message("Écriture sur la sortie standard abandonnée").Cp1252();
  return Utf8VersCp1252("Erreur d'écriture sur la sortie standard : " + TexteErreurSysteme(sortie.Erreur()));
}
}  // namespace

int LanceProgramme(const OptionsRunner& options, const std::vector<std::string>& lignes) {
  SortieTamponnee sortie(STDOUT_FILENO);
  SortieTamponnee erreurs(STDERR_FILENO);
  EntreeLignes entree(STDIN_FILENO);
  EcranTerminal ecran(sortie, isatty(STDOUT_FILENO) != 0);
  ecran.EntreeEstTerminal(isatty(STDIN_FILENO) != 0);
  SaisieTerminal saisie(entree, ecran);
  MessagesTerminal messages(sortie, erreurs);
  ImprimanteTerminal imprimante(ecran, options.Imprimante);
  HorlogeSysteme horloge;
  ClavierTerminal clavier(ecran, imprimante);
  Interpreteur interpreteur({ecran, saisie, messages, imprimante, horloge, clavier});
  interpreteur.ChangeSeparateurDecimal(options.SeparateurDecimal.value_or(SeparateurDuSysteme()));
  interpreteur.ChangeParametres(Utf8VersCp1252(options.Parametres));
  interpreteur.InitPrg(options.Fichier);

  const Lignes programme(lignes);
  int debut = 0;
  int resultat = kContinue;
  const int pas = 0;
  int statut = kSortieFin;
  try {
    interpreteur.Exec(programme, debut, resultat, pas);
    if (resultat == kArret) statut = kSortieArret;
  } catch (const EchecExecution& echec) {
    messages.Affiche(Utf8VersCp1252(echec.what()));
    statut = kSortieEchec;
  } catch (const std::bad_alloc&) {
    messages.Affiche(Message("Mémoire insuffisante").Cp1252());
    statut = kSortieEchec;
  }
  // The stop is honoured: from here on only a further signal, or the end of the grace
  // period after a stop by signal, abandons the final writes.
  if (signaux::ArretDemande()) signaux::LimiteAttenteFinale();
  signaux::Acquitte();
  // After a failure that aborted the run, what fails to close says nothing more: a printer
  // that failed during the run fails again when closed.
  if (const Fermeture fermeture = interpreteur.CloseAll(); !fermeture && statut != kSortieEchec) {
    for (const Message& echec : fermeture.Echecs) messages.Affiche(echec.Cp1252());
    statut = kSortieEchec;
  }
  ecran.Termine();
  if (const Issue fin = sortie.Vide(); fin != Issue::Faite && statut != kSortieEchec) {
    messages.Affiche(TexteFinSortie(fin, sortie));
    statut = kSortieEchec;
  }
  if (statut == kSortieArret) messages.Affiche((Message("Arrêt à la ligne ") + std::to_string(debut + 1)).Cp1252());
  // A message whose write a signal interrupted gets one more chance.
  static_cast<void>(erreurs.Vide());
  return statut;
}

}  // namespace korvane
