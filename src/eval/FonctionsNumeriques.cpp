// The functions of INTEGER and REAL terms.
#include <algorithm>
#include <cmath>

#include "eval/Arguments.h"
#include "eval/FonctionsNumeriques.h"
#include "base/Nombres.h"
#include "base/Texte.h"
#include "machine/Machine.h"

namespace korvane {

namespace {

using Entier = std::optional<int32_t>;
using Reel = std::optional<double>;

Entier AbsEntier(Machine& m, const std::string& arguments) {
  const auto n = ArgumentEntier(m, arguments, EchecArgument::Nombre);
  if (!n) return std::nullopt;
  // -2147483648 has no positive counterpart: it wraps to itself.
  return static_cast<int32_t>(std::abs(static_cast<int64_t>(*n)));
}

Entier Int(Machine& m, const std::string& arguments) {
  const auto valeur = ArgumentOperande(m, arguments);
  if (!valeur) return std::nullopt;
  // The argument is already a 6-byte real; halves round to the even neighbour.
  const auto reel = TexteVersReel(*valeur, m.SeparateurDecimal);
  const double arrondi = reel ? std::nearbyint(*reel) : 0;
  if (!reel || arrondi < INT32_MIN || arrondi > INT32_MAX) {
    SignaleEchec(m, EchecArgument::Nombre, *valeur);
    return std::nullopt;
  }
  return static_cast<int32_t>(arrondi);
}

Entier Asc(Machine& m, const std::string& arguments) {
  const auto valeur = ArgumentOperande(m, arguments);
  if (!valeur) return std::nullopt;
  return valeur->empty() ? 0 : static_cast<unsigned char>(valeur->front());
}

Entier Val(Machine& m, const std::string& arguments) {
  return ArgumentEntier(m, arguments, EchecArgument::Nombre);
}

Entier Instr(Machine& m, const std::string& arguments) {
  const auto parties = CoupeVirgule(arguments);
  if (!parties) {
    m.Erreur("Erreur de syntaxe");
    return std::nullopt;
  }
  const auto dans = ArgumentChaine(m, parties->Gauche);
  if (!dans) return std::nullopt;
  const auto cherche = ArgumentChaine(m, parties->Droite);
  if (!cherche) return std::nullopt;
  if (cherche->empty()) return 0;
  return static_cast<int32_t>(Position(*cherche, *dans));
}

Entier Len(Machine& m, const std::string& arguments) {
  const auto chaine = ArgumentChaine(m, arguments);
  if (!chaine) return std::nullopt;
  return static_cast<int32_t>(std::min<std::size_t>(chaine->size(), INT32_MAX));
}

bool Partout(double) { return true; }
bool Positif(double x) { return x >= 0; }
bool StrictementPositif(double x) { return x > 0; }

// A real function of one argument: `Domaine` says which arguments it accepts; a result
// outside the 6-byte range fails like a refused argument.
template <auto Calcul, bool (*Domaine)(double)>
Reel Applique(Machine& m, const std::string& arguments) {
  const auto valeur = ArgumentOperande(m, arguments);
  if (!valeur) return std::nullopt;
  const auto x = TexteVersReel(*valeur, m.SeparateurDecimal);
  const auto resultat = x && Domaine(*x) ? ArrondiReel6(Calcul(static_cast<long double>(*x))) : std::nullopt;
  if (!resultat) SignaleEchec(m, EchecArgument::Nombre, *valeur);
  return resultat;
}

constexpr Fonction<int32_t> kFonctionsEntieres[] = {
    {"ABS", AbsEntier}, {"INT", Int}, {"ASC", Asc}, {"VAL", Val}, {"INSTR", Instr}, {"LEN", Len},
};

constexpr Fonction<double> kFonctionsReelles[] = {
    {"ABS", Applique<[](long double x) { return std::fabs(x); }, Partout>},
    {"SQR", Applique<[](long double x) { return std::sqrt(x); }, Positif>},
    {"SIN", Applique<[](long double x) { return std::sin(x); }, Partout>},
    {"COS", Applique<[](long double x) { return std::cos(x); }, Partout>},
    {"LOG", Applique<[](long double x) { return std::log(x); }, StrictementPositif>},
    {"EXP", Applique<[](long double x) { return std::exp(x); }, Partout>},
};

}  // namespace

std::span<const Fonction<int32_t>> FonctionsEntieres() { return kFonctionsEntieres; }
std::span<const Fonction<double>> FonctionsReelles() { return kFonctionsReelles; }

}  // namespace korvane
