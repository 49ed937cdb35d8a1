#include "eval/Resolution.h"

#include <charconv>
#include <iterator>

#include "base/Nombres.h"
#include "base/Texte.h"
#include "machine/Machine.h"

namespace korvane {

namespace {

using Sorte = Resolu::Sorte;

bool CommencePar(const std::string& texte, std::string_view jeu) {
  return !texte.empty() && jeu.find(texte[0]) != std::string_view::npos;
}

Resolu Constante(std::string texte, int32_t entier = 0, double reel = 0) {
  Resolu r;
  r.Texte = std::move(texte);
  r.Entier = entier;
  r.Reel = reel;
  return r;
}

Lecture Lu(Resolu r) { return Lecture{std::move(r), EchecLecture::Aucun}; }
Lecture Echec(EchecLecture echec) { return Lecture{std::nullopt, echec}; }
Lecture Laisse() { return Lecture{}; }

// The variable of kind `genre` named `nom` (any case, no subscript), as its cell.
std::optional<Resolu> Variable(const Machine& m, const std::string& nom, Genre genre) {
  if (nom.find('(') != std::string::npos) return std::nullopt;
  const Symbole* s = m.Symboles.Cherche(Majuscules(nom));
  if (!s || s->Genre != genre) return std::nullopt;
  Resolu r;
  r.Genre = genre == Genre::Entier ? Sorte::Entier : genre == Genre::Reel ? Sorte::Reel : Sorte::Chaine;
  r.Cellule = s->Adresse;
  return r;
}

Lecture VariableOuLaisse(const Machine& m, const std::string& nom, Genre genre) {
  if (auto r = Variable(m, nom, genre)) return Lu(std::move(*r));
  return Laisse();
}

Lecture LitLitteral(std::string texte, bool reduitPaire) {
  auto valeur = SansGuillemets(std::move(texte), reduitPaire);
  if (!valeur) return Echec(EchecLecture::ChaineSansFin);
  return Lu(Constante(std::move(*valeur)));
}

bool EstNomSpecial(const std::string& terme) {
  const std::string nom = Majuscules(terme);
  return nom == "TIME$" || nom == "DATE$" || nom == "COMMAND$" || nom == "INKEY$";
}

}  // namespace

std::optional<std::string> SansGuillemets(std::string texte, bool reduitPaire) {
  texte.erase(0, 1);
  if (reduitPaire)
    if (const std::size_t paire = texte.find("\"\""); paire != std::string::npos) texte.erase(paire, 1);
  if (texte.empty() || texte.back() != '"') return std::nullopt;
  texte.pop_back();
  return texte;
}

std::optional<std::string> NomIndice::Indice() const {
  const std::size_t fermante = Apres.find(')');
  if (fermante == std::string::npos) return std::nullopt;
  return Apres.substr(0, fermante);
}

NomIndice CoupeNomIndice(const std::string& texte) {
  const std::size_t ouvrante = texte.find('(');
  if (ouvrante == std::string::npos) return NomIndice{texte, {}};
  return NomIndice{texte.substr(0, ouvrante + 1), Copie(texte, ouvrante + 2, 255)};
}

std::optional<LigneAffectation> CoupeAffectation(const std::string& ligne) {
  const std::size_t egal = ligne.find('=');
  if (egal == std::string::npos) return std::nullopt;
  return LigneAffectation{CoupeNomIndice(Trim(Majuscules(ligne.substr(0, egal)))), Trim(Copie(ligne, egal + 2, 255))};
}

Lecture ResoudOperande(const Machine& m, std::string texte) {
  if (CommencePar(texte, "\"")) return LitLitteral(std::move(texte), true);
  if (CommencePar(texte, ".0123456789+-")) {
    if (texte.find_first_not_of(".-+1234567890") != std::string::npos) return Echec(EchecLecture::ExpressionIncorrecte);
    return Lu(Constante(std::move(texte)));
  }
  for (Genre genre : {Genre::Entier, Genre::Reel, Genre::Chaine})
    if (auto r = Variable(m, texte, genre)) return Lu(std::move(*r));
  return Laisse();
}

Lecture ResoudTerme(const Machine& m, std::string terme, Genre genre) {
  terme = Trim(terme);
  switch (genre) {
    case Genre::Entier:
      if (terme.empty()) return Lu(Constante({}));
      if (CommencePar(terme, "0123456789+-")) {
        const auto n = TexteVersEntier(terme);
        return n ? Lu(Constante({}, *n)) : Echec(EchecLecture::EntierIncorrect);
      }
      return VariableOuLaisse(m, terme, genre);
    case Genre::Reel:
      if (terme.empty()) return Lu(Constante({}));
      if (CommencePar(terme, ".0123456789+-")) {
        const auto x = TexteVersReel(terme, m.SeparateurDecimal);
        return x ? Lu(Constante({}, 0, *x)) : Echec(EchecLecture::ReelIncorrect);
      }
      return VariableOuLaisse(m, terme, genre);
    case Genre::Chaine:
      if (CommencePar(terme, "\"")) return LitLitteral(std::move(terme), false);
      if (EstNomSpecial(terme)) return Laisse();
      return VariableOuLaisse(m, terme, genre);
    case Genre::Aucun:
    case Genre::Etiquette:
    case Genre::Sub:
      return Laisse();
  }
  return Laisse();
}

int32_t ValeurEntiere(const Machine& m, const Resolu& r) {
  return r.Genre == Sorte::Entier ? m.Valeurs.Entier(r.Cellule) : r.Entier;
}

double ValeurReelle(const Machine& m, const Resolu& r) {
  return r.Genre == Sorte::Reel ? m.Valeurs.Reel(r.Cellule) : r.Reel;
}

const std::string& ValeurChaine(const Machine& m, const Resolu& r) {
  return r.Genre == Sorte::Chaine ? m.Valeurs.Chaine(r.Cellule) : r.Texte;
}

std::string_view TexteResolu(const Machine& m, const Resolu& r, TamponTexte& tampon) {
  if (r.Genre == Sorte::Constante) return r.Texte;
  return TexteCellule(m, r.Genre, r.Cellule, tampon);
}

std::string_view TexteCellule(const Machine& m, Resolu::Sorte genre, int32_t cellule, TamponTexte& tampon) {
  switch (genre) {
    case Sorte::Entier: {
      // Conditions compare INTEGER cells on every turn of a loop: no string is built.
      const auto fin = std::to_chars(std::begin(tampon.Chiffres), std::end(tampon.Chiffres), m.Valeurs.Entier(cellule));
      return {tampon.Chiffres, static_cast<std::size_t>(fin.ptr - tampon.Chiffres)};
    }
    case Sorte::Reel:
      tampon.Reel = FormatReel(m.Valeurs.Reel(cellule), m.SeparateurDecimal);
      return tampon.Reel;
    case Sorte::Chaine:
      return m.Valeurs.Chaine(cellule);
    case Sorte::Constante:
      break;
  }
  return {};
}

}  // namespace korvane
