// The functions of INTEGER and REAL terms.
#include <algorithm>
#include <cmath>

#include "eval/Arguments.h"
#include "eval/Fonctions.h"
#include "eval/Nombres.h"
#include "eval/Texte.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

namespace {

using Entier = std::optional<int32_t>;
using Reel = std::optional<double>;

Entier AbsEntier(Interpreteur& it, const std::string& arguments) {
  const auto n = ArgumentEntier(it, arguments, EchecArgument::Nombre);
  if (!n) return std::nullopt;
  // -2147483648 has no positive counterpart: it wraps to itself.
  return static_cast<int32_t>(std::abs(static_cast<int64_t>(*n)));
}

Entier Int(Interpreteur& it, const std::string& arguments) {
  const auto valeur = ArgumentOperande(it, arguments);
  if (!valeur) return std::nullopt;
  // The argument is already a 6-byte real; halves round to the even neighbour.
  const auto reel = TexteVersReel(*valeur, it.SeparateurDecimal);
  const double arrondi = reel ? std::nearbyint(*reel) : 0;
  if (!reel || arrondi < INT32_MIN || arrondi > INT32_MAX) {
    SignaleEchec(it, EchecArgument::Nombre, *valeur);
    return std::nullopt;
  }
  return static_cast<int32_t>(arrondi);
}

Entier Asc(Interpreteur& it, const std::string& arguments) {
  const auto valeur = ArgumentOperande(it, arguments);
  if (!valeur) return std::nullopt;
  return valeur->empty() ? 0 : static_cast<unsigned char>(valeur->front());
}

Entier Val(Interpreteur& it, const std::string& arguments) {
  return ArgumentEntier(it, arguments, EchecArgument::Nombre);
}

Entier Instr(Interpreteur& it, const std::string& arguments) {
  const auto parties = CoupeVirgule(arguments);
  if (!parties) {
    it.Erreur("Erreur de syntaxe");
    return std::nullopt;
  }
  const auto dans = ArgumentChaine(it, parties->Gauche);
  if (!dans) return std::nullopt;
  const auto cherche = ArgumentChaine(it, parties->Droite);
  if (!cherche) return std::nullopt;
  if (cherche->empty()) return 0;
  return static_cast<int32_t>(Position(*cherche, *dans));
}

Entier Len(Interpreteur& it, const std::string& arguments) {
  const auto chaine = ArgumentChaine(it, arguments);
  if (!chaine) return std::nullopt;
  return static_cast<int32_t>(std::min<std::size_t>(chaine->size(), INT32_MAX));
}

// A real function of one argument: `domaine` says which arguments it accepts; a result
// outside the 6-byte range fails like a refused argument.
Reel Applique(Interpreteur& it, const std::string& arguments, long double (*calcul)(long double),
              bool (*domaine)(double)) {
  const auto valeur = ArgumentOperande(it, arguments);
  if (!valeur) return std::nullopt;
  const auto x = TexteVersReel(*valeur, it.SeparateurDecimal);
  const auto resultat = x && domaine(*x) ? ArrondiReel6(calcul(*x)) : std::nullopt;
  if (!resultat) SignaleEchec(it, EchecArgument::Nombre, *valeur);
  return resultat;
}

bool Partout(double) { return true; }
bool Positif(double x) { return x >= 0; }
bool StrictementPositif(double x) { return x > 0; }

Reel AbsReel(Interpreteur& it, const std::string& a) {
  return Applique(it, a, [](long double x) { return std::fabs(x); }, Partout);
}
Reel Sqr(Interpreteur& it, const std::string& a) {
  return Applique(it, a, [](long double x) { return std::sqrt(x); }, Positif);
}
Reel Sin(Interpreteur& it, const std::string& a) {
  return Applique(it, a, [](long double x) { return std::sin(x); }, Partout);
}
Reel Cos(Interpreteur& it, const std::string& a) {
  return Applique(it, a, [](long double x) { return std::cos(x); }, Partout);
}
Reel Log(Interpreteur& it, const std::string& a) {
  return Applique(it, a, [](long double x) { return std::log(x); }, StrictementPositif);
}
Reel Exp(Interpreteur& it, const std::string& a) {
  return Applique(it, a, [](long double x) { return std::exp(x); }, Partout);
}

constexpr Fonction<int32_t> kFonctionsEntieres[] = {
    {"ABS", AbsEntier}, {"INT", Int}, {"ASC", Asc}, {"VAL", Val}, {"INSTR", Instr}, {"LEN", Len},
};

constexpr Fonction<double> kFonctionsReelles[] = {
    {"ABS", AbsReel}, {"SQR", Sqr}, {"SIN", Sin}, {"COS", Cos}, {"LOG", Log}, {"EXP", Exp},
};

}  // namespace

std::span<const Fonction<int32_t>> FonctionsEntieres() { return kFonctionsEntieres; }
std::span<const Fonction<double>> FonctionsReelles() { return kFonctionsReelles; }

}  // namespace korvane
