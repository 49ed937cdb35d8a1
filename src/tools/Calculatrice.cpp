#include "tools/Calculatrice.h"

#include <cmath>

#include "base/Nombres.h"

namespace korvane {

namespace {

constexpr char kVirgule = ',';
constexpr int kChiffresAffiches = 12;

const char* const kDivisionParZero = "Division par zéro";
const char* const kDepassement = "Dépassement de capacité";

// The result rounded to a 6-byte real, or the message of the floating-point error.
std::optional<double> Arrondi(long double valeur, std::string& message) {
  if (std::isnan(valeur)) {
    message = "Opération en virgule flottante incorrecte";
    return std::nullopt;
  }
  const std::optional<double> arrondi = ArrondiReel6(valeur);
  if (!arrondi) message = kDepassement;
  return arrondi;
}

}  // namespace

void Calculatrice::Raz() {
  affichage_.clear();
  accu_ = 0;
  accuValide_ = false;
  operateur_ = 0;
}

void Calculatrice::Chiffre(char chiffre) {
  if (nouvelleSaisie_) affichage_.clear();
  affichage_ += chiffre;
  nouvelleSaisie_ = false;
}

void Calculatrice::Virgule() { affichage_ += kVirgule; }

std::optional<double> Calculatrice::LitAffichage(std::string& message) const {
  const std::optional<double> valeur = TexteVersReel(affichage_, kVirgule);
  if (!valeur) message = "'" + affichage_ + "' n'est pas une valeur numérique correcte";
  return valeur;
}

void Calculatrice::Montre(double valeur) {
  affichage_ = FormatReel(valeur, kVirgule, kChiffresAffiches);
  // 12 digits always read back within the 6-byte range.
  accu_ = TexteVersReel(affichage_, kVirgule).value_or(valeur);
  accuValide_ = true;
  nouvelleSaisie_ = true;
}

Calculatrice::Echec Calculatrice::Egal() {
  std::string message;
  const std::optional<double> valeur = LitAffichage(message);
  if (!accuValide_) {
    // A first operand that is no number is dropped without a word.
    if (!valeur) {
      affichage_.clear();
      return std::nullopt;
    }
    accu_ = *valeur;
    accuValide_ = true;
    nouvelleSaisie_ = true;
    return std::nullopt;
  }
  if (!valeur) return message;

  const long double a = accu_;
  const long double b = *valeur;
  long double resultat = a;
  switch (operateur_) {
    case '+':
      resultat = a + b;
      break;
    case '-':
      resultat = a - b;
      break;
    case '*':
      resultat = a * b;
      break;
    case '/':
      if (b == 0) return kDivisionParZero;
      resultat = a / b;
      break;
    default:
      break;
  }
  const std::optional<double> arrondi = Arrondi(resultat, message);
  if (!arrondi) return message;
  Montre(*arrondi);
  return std::nullopt;
}

Calculatrice::Echec Calculatrice::Operateur(char operateur) {
  if (Echec echec = Egal()) return echec;
  operateur_ = operateur;
  return std::nullopt;
}

Calculatrice::Echec Calculatrice::Inverse() {
  std::string message;
  const std::optional<double> valeur = LitAffichage(message);
  if (!valeur) return message;
  if (*valeur == 0) return kDivisionParZero;
  const std::optional<double> inverse = Arrondi(1.0L / *valeur, message);
  if (!inverse) return message;
  Montre(*inverse);
  return std::nullopt;
}

Calculatrice::Echec Calculatrice::Racine() {
  std::string message;
  const std::optional<double> valeur = LitAffichage(message);
  if (!valeur) return message;
  const std::optional<double> racine = Arrondi(std::sqrt(static_cast<long double>(*valeur)), message);
  if (!racine) return message;
  Montre(*racine);
  return std::nullopt;
}

}  // namespace korvane
