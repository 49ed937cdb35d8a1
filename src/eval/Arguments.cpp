#include "eval/Arguments.h"

#include "eval/Nombres.h"
#include "eval/Texte.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

std::optional<std::string> ArgumentOperande(Interpreteur& it, std::string texte) {
  it.LitOperande(texte);
  if (it.Etat > kContinue) return std::nullopt;
  return texte;
}

std::optional<std::string> ArgumentChaine(Interpreteur& it, std::string texte) {
  it.LitChaine(texte);
  if (it.Etat > kContinue) return std::nullopt;
  return texte;
}

void SignaleEchec(Interpreteur& it, EchecArgument echec, const std::string& valeur) {
  switch (echec) {
    case EchecArgument::Nombre: return it.Erreur("erreur dans nombre " + valeur);
    case EchecArgument::Conversion: return it.Erreur("Erreur de conversion");
    case EchecArgument::Expression: return it.Erreur("Erreur dans expression");
  }
}

std::optional<int32_t> ArgumentEntier(Interpreteur& it, std::string texte, EchecArgument echec) {
  const auto valeur = ArgumentOperande(it, std::move(texte));
  if (!valeur) return std::nullopt;
  const auto entier = TexteVersEntier(*valeur);
  if (!entier) SignaleEchec(it, echec, *valeur);
  return entier;
}

std::optional<double> ArgumentReel(Interpreteur& it, std::string texte, EchecArgument echec) {
  const auto valeur = ArgumentOperande(it, std::move(texte));
  if (!valeur) return std::nullopt;
  const auto reel = TexteVersReel(*valeur, it.SeparateurDecimal);
  if (!reel) SignaleEchec(it, echec, *valeur);
  return reel;
}

std::optional<Virgule> CoupeVirgule(const std::string& texte, std::size_t longueurDroite) {
  const std::size_t virgule = texte.find(',');
  if (virgule == std::string::npos) return std::nullopt;
  return Virgule{texte.substr(0, virgule), Copie(texte, virgule + 2, longueurDroite)};
}

}  // namespace korvane
