#include "eval/Termes.h"

#include <type_traits>

#include "base/EchecExecution.h"
#include "base/Texte.h"
#include "eval/FonctionsChaines.h"
#include "eval/FonctionsNumeriques.h"
#include "eval/Operandes.h"
#include "eval/Resolution.h"
#include "machine/Symboles.h"

namespace korvane {

namespace {

template <typename Valeur>
const Fonction<Valeur>* ChercheFonction(std::span<const Fonction<Valeur>> fonctions, const std::string& nom) {
  for (const Fonction<Valeur>& f : fonctions)
    if (f.Nom == nom) return &f;
  return nullptr;
}

// The arguments of NAME(arguments): the last character is taken to be its ")".
std::string Arguments(const NomIndice& appel) {
  return appel.Apres.substr(0, appel.Apres.empty() ? 0 : appel.Apres.size() - 1);
}

// The member of a cell's value that a term of type T reads.
template <typename T>
T Membre(const Valeur& v) {
  if constexpr (std::is_same_v<T, int32_t>) return v.Entier;
  else if constexpr (std::is_same_v<T, double>) return v.Reel;
  else return v.Chaine;
}

// A name that the resolver could not take as a variable of kind `genre`: absent (nothing,
// `present` false), or present with another kind (an error), or an odd name it reads.
template <typename T>
std::optional<T> LitVariable(Machine& m, const std::string& nom, Genre genre, bool& present) {
  const Symbole* s = ChercheEtiq(m, nom);
  present = s != nullptr;
  if (!s) return std::nullopt;
  if (s->Genre != genre) {
    m.Erreur("Type incorrect");
    return std::nullopt;
  }
  const auto v = LitValeur(m, s->Adresse, genre);
  if (!v) return std::nullopt;
  return Membre<T>(*v);
}

// An array element NAME(subscript) of kind `genre`; `typeIncorrect` is the message for an
// array of another kind.
template <typename T>
std::optional<T> LitElement(Machine& m, const NomIndice& appel, Genre genre, const Message& typeIncorrect) {
  const Symbole* s = ChercheEtiq(m, appel.Nom);
  if (!s) {
    m.Erreur("Identificateur inconnu");
    return std::nullopt;
  }
  if (s->Genre != genre) {
    m.Erreur(typeIncorrect);
    return std::nullopt;
  }
  const auto indice = appel.Indice();
  if (!indice) {
    m.Erreur("Erreur de syntaxe");
    return std::nullopt;
  }
  const auto decalage = Indice(m, *indice);
  if (!decalage) return std::nullopt;
  const auto v = LitValeur(m, int64_t{s->Adresse} + *decalage, genre);
  if (!v) return std::nullopt;
  return Membre<T>(*v);
}

// A function of the term's type, or else an array element.
template <typename T>
std::optional<T> LitAppel(Machine& m, const std::string& terme, std::span<const Fonction<T>> fonctions, Genre genre,
                          const Message& typeIncorrect) {
  const NomIndice appel = CoupeNomIndice(terme);
  std::string nom = Majuscules(appel.Nom);
  nom.pop_back();
  if (const auto* f = ChercheFonction(fonctions, nom)) return f->Calcule(m, Arguments(appel));
  return LitElement<T>(m, appel, genre, typeIncorrect);
}

// The rest of an INTEGER or REAL term once the resolver has left it: a variable of the
// wrong kind, an undeclared name, a function or an array element.
template <typename T>
std::optional<T> TermeNombre(Machine& m, const std::string& terme, Genre genre, std::span<const Fonction<T>> fonctions) {
  bool present = false;
  auto variable = LitVariable<T>(m, terme, genre, present);
  if (present) return variable;
  if constexpr (std::is_same_v<T, double>)
    if (Majuscules(terme) == "RND") return m.Hasard.Suivant();
  if (terme.find('(') == std::string::npos) {
    m.Erreur(Message("Erreur dans expression ") + terme);
    return std::nullopt;
  }
  return LitAppel<T>(m, terme, fonctions, genre, "Erreur de type");
}

template <typename T>
std::optional<T> Terme(Machine& m, const std::string& texte, Genre genre, std::span<const Fonction<T>> fonctions) {
  const std::string terme = Trim(texte);
  const Lecture lecture = ResoudTerme(m, terme, genre);
  if (lecture.Resultat) {
    if constexpr (std::is_same_v<T, int32_t>) return ValeurEntiere(m, *lecture.Resultat);
    else return ValeurReelle(m, *lecture.Resultat);
  }
  if (lecture.Echec != EchecLecture::Aucun) {
    SignaleEchecLecture(m, lecture.Echec, terme);
    return std::nullopt;
  }
  return TermeNombre<T>(m, terme, genre, fonctions);
}

}  // namespace

void SignaleEchecLecture(Machine& m, EchecLecture echec, const std::string& terme) {
  switch (echec) {
    case EchecLecture::Aucun: return;
    case EchecLecture::ChaineSansFin: return m.Erreur("chaine sans fin");
    case EchecLecture::ExpressionIncorrecte: return m.Erreur("Expression incorrecte");
    case EchecLecture::EntierIncorrect:
      throw EchecExecution(Message("'") + terme + "' n'est pas une valeur entière correcte");
    case EchecLecture::ReelIncorrect:
      throw EchecExecution(Message("'") + terme + "' n'est pas une valeur flottante correcte");
  }
}

std::optional<int32_t> TermeEntier(Machine& m, const std::string& terme) {
  return Terme<int32_t>(m, terme, Genre::Entier, FonctionsEntieres());
}

std::optional<double> TermeReel(Machine& m, const std::string& terme) {
  return Terme<double>(m, terme, Genre::Reel, FonctionsReelles());
}

std::optional<std::string> TermeChaine(Machine& m, const std::string& texte) {
  std::string terme = Trim(texte);
  const Lecture lecture = ResoudTerme(m, terme, Genre::Chaine);
  if (lecture.Resultat) return ValeurChaine(m, *lecture.Resultat);
  if (lecture.Echec != EchecLecture::Aucun) {
    SignaleEchecLecture(m, lecture.Echec, terme);
    return std::nullopt;
  }
  const std::string nom = Majuscules(terme);
  if (nom == "TIME$") return m.Monde.Temps.TexteHeure();
  if (nom == "DATE$") return m.Monde.Temps.TexteDate();
  if (nom == "COMMAND$") return m.TexteParametres;
  if (nom == "INKEY$") return m.Monde.Touches.ToucheLue();
  if (terme.find('(') == std::string::npos) {
    if (!LitChaine(m, terme)) return std::nullopt;
    return terme;
  }
  return LitAppel<std::string>(m, terme, FonctionsChaines(), Genre::Chaine, "erreur de type");
}

}  // namespace korvane
