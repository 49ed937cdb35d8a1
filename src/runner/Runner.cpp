#include "runner/Runner.h"

#include <istream>
#include <locale>
#include <ostream>

#include "base/Texte.h"
#include "base/EchecExecution.h"
#include "interpreter/Interpreteur.h"
#include "runner/Terminal.h"

namespace korvane {

const char* const kUsage =
    "Usage : korvane-run [--param TEXTE] [--decimal-separator C] [--printer FICHIER] FICHIER.bas";

std::optional<OptionsRunner> LitOptions(const std::vector<std::string>& arguments) {
  OptionsRunner options;
  bool fichierLu = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    const bool avecValeur = a == "--param" || a == "--decimal-separator" || a == "--printer";
    if (avecValeur) {
      if (i + 1 >= arguments.size()) return std::nullopt;
      const std::string& valeur = arguments[++i];
      if (a == "--param") {
        options.Parametres = valeur;
      } else if (a == "--printer") {
        options.Imprimante = valeur;
      } else {
        if (valeur.size() != 1) return std::nullopt;
        options.SeparateurDecimal = valeur[0];
      }
    } else if (a.starts_with("--") || fichierLu) {
      return std::nullopt;
    } else {
      options.Fichier = a;
      fichierLu = true;
    }
  }
  if (!fichierLu) return std::nullopt;
  return options;
}

std::vector<std::string> DecoupeSource(const std::string& octets) {
  std::string_view texte(octets);
  if (texte.starts_with("\xEF\xBB\xBF")) texte.remove_prefix(3);
  const std::string cp1252 = EstUtf8Valide(texte) ? Utf8VersCp1252(texte) : std::string(texte);
  std::vector<std::string> lignes;
  std::size_t debut = 0;
  while (debut < cp1252.size()) {
    std::size_t fin = cp1252.find('\n', debut);
    if (fin == std::string::npos) fin = cp1252.size();
    std::size_t finTexte = fin;
    if (finTexte > debut && cp1252[finTexte - 1] == '\r') --finTexte;
    lignes.push_back(cp1252.substr(debut, finTexte - debut));
    debut = fin + 1;
  }
  return lignes;
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
}  // namespace

int LanceProgramme(const OptionsRunner& options, const std::vector<std::string>& lignes, Flux flux,
                   const volatile std::sig_atomic_t& interruption) {
  EcranTerminal ecran(flux.Sortie, flux.SortieTerminal);
  ecran.EntreeEstTerminal(flux.EntreeTerminal);
  SaisieTerminal saisie(flux.Entree);
  MessagesTerminal messages(flux.Sortie, flux.Erreurs);
  ImprimanteTerminal imprimante(flux.Sortie, options.Imprimante);
  HorlogeSysteme horloge;
  ClavierTerminal clavier(interruption);
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
  }
  try {
    interpreteur.CloseAll();
  } catch (const EchecExecution& echec) {
    messages.Affiche(Utf8VersCp1252(echec.what()));
    statut = kSortieEchec;
  }
  if (statut == kSortieArret) messages.Affiche(Utf8VersCp1252("Arrêt à la ligne " + std::to_string(debut + 1)));
  flux.Sortie.flush();
  return statut;
}

}  // namespace korvane
