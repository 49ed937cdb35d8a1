// The term readers of the typed evaluators: a number, a variable or array element of the
// target's type, or a built-in function of that result type.
#include "eval/Fonctions.h"
#include "eval/Nombres.h"
#include "eval/Texte.h"
#include "interpreter/EchecExecution.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

namespace {

bool CommencePar(const std::string& texte, std::string_view jeu) {
  return !texte.empty() && jeu.find(texte[0]) != std::string_view::npos;
}

// NAME(arguments): the name upper-cased, and what follows the "(" (at most 255 characters).
struct Appel {
  std::string Nom;
  std::string Apres;
  // The argument text of a function: the last character is taken to be its ")".
  std::string Arguments() const { return Apres.substr(0, Apres.empty() ? 0 : Apres.size() - 1); }
};

Appel CoupeAppel(const std::string& terme) {
  const std::size_t ouvrante = terme.find('(');
  return Appel{Majuscules(terme.substr(0, ouvrante)), Copie(terme, ouvrante + 2, 255)};
}

template <typename Valeur>
const Fonction<Valeur>* ChercheFonction(std::span<const Fonction<Valeur>> fonctions, const std::string& nom) {
  for (const Fonction<Valeur>& f : fonctions)
    if (f.Nom == nom) return &f;
  return nullptr;
}

struct Valeurs {
  double Reel = 0;
  int32_t Entier = 0;
  std::string Chaine;
};

// Reads a scalar variable of kind `genre`: nothing when the name is absent (Etat back to 0),
// an error when it is present with another kind.
std::optional<Valeurs> LitVariable(Interpreteur& it, std::string nom, char genre, bool& present) {
  char trouve = 0;
  int32_t adresse = 0;
  it.ChercheEtiq(nom, trouve, adresse);
  present = adresse >= 0;
  if (!present) {
    it.Etat = kContinue;
    return std::nullopt;
  }
  if (trouve != genre) {
    it.Erreur("Type incorrect");
    return std::nullopt;
  }
  Valeurs v;
  it.LitValeur(adresse, genre, v.Reel, v.Entier, v.Chaine);
  if (it.Etat > kContinue) return std::nullopt;
  return v;
}

// An array element NAME(subscript) of kind `genre`; `typeIncorrect` is the message for
// an array of another kind.
std::optional<Valeurs> LitElement(Interpreteur& it, const std::string& terme, char genre, const char* typeIncorrect) {
  const Appel appel = CoupeAppel(terme);
  std::string nom = appel.Nom + "(";
  char trouve = 0;
  int32_t adresse = 0;
  it.ChercheEtiq(nom, trouve, adresse);
  if (adresse < 0) {
    it.Erreur("Identificateur inconnu");
    return std::nullopt;
  }
  if (trouve != genre) {
    it.Erreur(typeIncorrect);
    return std::nullopt;
  }
  const std::size_t fermante = appel.Apres.find(')');
  if (fermante == std::string::npos) {
    it.Erreur("Erreur de syntaxe");
    return std::nullopt;
  }
  const int32_t decalage = it.Indice(appel.Apres.substr(0, fermante));
  if (it.Etat > kContinue) return std::nullopt;
  Valeurs v;
  if (!it.LitCelluleDecalee(adresse, decalage, genre, v.Reel, v.Entier, v.Chaine)) return std::nullopt;
  return v;
}

[[noreturn]] void EchecConversion(const std::string& terme, const char* suite) {
  throw EchecExecution("'" + Cp1252VersUtf8(terme) + "' " + suite);
}

}  // namespace

int32_t Interpreteur::TermeEntier(std::string terme) {
  terme = Trim(terme);
  if (terme.empty()) return 0;
  if (CommencePar(terme, "0123456789+-")) {
    const auto n = TexteVersEntier(terme);
    if (!n) EchecConversion(terme, "n'est pas une valeur entière correcte");
    return *n;
  }
  bool present = false;
  const auto variable = LitVariable(*this, terme, 'I', present);
  if (present) return variable ? variable->Entier : 0;
  if (terme.find('(') == std::string::npos) {
    Erreur("Erreur dans expression " + terme);
    return 0;
  }
  const Appel appel = CoupeAppel(terme);
  if (const auto* f = ChercheFonction(FonctionsEntieres(), appel.Nom))
    return f->Calcule(*this, appel.Arguments()).value_or(0);
  const auto element = LitElement(*this, terme, 'I', "Erreur de type");
  return element ? element->Entier : 0;
}

double Interpreteur::TermeReel(std::string terme) {
  terme = Trim(terme);
  if (terme.empty()) return 0;
  if (CommencePar(terme, ".0123456789+-")) {
    const auto x = TexteVersReel(terme, SeparateurDecimal);
    if (!x) EchecConversion(terme, "n'est pas une valeur flottante correcte");
    return *x;
  }
  bool present = false;
  const auto variable = LitVariable(*this, terme, 'R', present);
  if (present) return variable ? variable->Reel : 0;
  if (Majuscules(terme) == "RND") return Aleatoire();
  if (terme.find('(') == std::string::npos) {
    Erreur("Erreur dans expression " + terme);
    return 0;
  }
  const Appel appel = CoupeAppel(terme);
  if (const auto* f = ChercheFonction(FonctionsReelles(), appel.Nom))
    return f->Calcule(*this, appel.Arguments()).value_or(0);
  const auto element = LitElement(*this, terme, 'R', "Erreur de type");
  return element ? element->Reel : 0;
}

std::string Interpreteur::TermeChaine(std::string& terme) {
  terme = Trim(terme);
  if (CommencePar(terme, "\"")) {
    LitChaine(terme);
    return terme;
  }
  const std::string nom = Majuscules(terme);
  if (nom == "TIME$") return Monde.Temps.TexteHeure();
  if (nom == "DATE$") return Monde.Temps.TexteDate();
  if (nom == "COMMAND$") return TexteParametres;
  if (nom == "INKEY$") return Monde.Touches.ToucheLue();
  if (terme.find('(') == std::string::npos) {
    LitChaine(terme);
    return terme;
  }
  const Appel appel = CoupeAppel(terme);
  if (const auto* f = ChercheFonction(FonctionsChaines(), appel.Nom))
    return f->Calcule(*this, appel.Arguments()).value_or(std::string());
  const auto element = LitElement(*this, terme, 'S', "erreur de type");
  return element ? element->Chaine : std::string();
}

}  // namespace korvane
