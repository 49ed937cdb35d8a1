#include "eval/Arguments.h"

#include "base/Nombres.h"
#include "base/Texte.h"
#include "eval/Operandes.h"
#include "machine/Machine.h"

namespace korvane {

std::optional<std::string> ArgumentOperande(Machine& m, std::string texte) {
  if (!LitOperande(m, texte)) return std::nullopt;
  return texte;
}

std::optional<std::string> ArgumentChaine(Machine& m, std::string texte) {
  if (!LitChaine(m, texte)) return std::nullopt;
  return texte;
}

void SignaleEchec(Machine& m, EchecArgument echec, const std::string& valeur) {
  switch (echec) {
    case EchecArgument::Nombre: return m.Erreur(Message("erreur dans nombre ") + valeur);
    case EchecArgument::Conversion: return m.Erreur("Erreur de conversion");
    case EchecArgument::Expression: return m.Erreur("Erreur dans expression");
  }
}

std::optional<int32_t> ArgumentEntier(Machine& m, std::string texte, EchecArgument echec) {
  const auto valeur = ArgumentOperande(m, std::move(texte));
  if (!valeur) return std::nullopt;
  const auto entier = TexteVersEntier(*valeur);
  if (!entier) SignaleEchec(m, echec, *valeur);
  return entier;
}

std::optional<double> ArgumentReel(Machine& m, std::string texte, EchecArgument echec) {
  const auto valeur = ArgumentOperande(m, std::move(texte));
  if (!valeur) return std::nullopt;
  const auto reel = TexteVersReel(*valeur, m.SeparateurDecimal);
  if (!reel) SignaleEchec(m, echec, *valeur);
  return reel;
}

std::optional<Virgule> CoupeVirgule(const std::string& texte, std::size_t longueurDroite) {
  const std::size_t virgule = texte.find(',');
  if (virgule == std::string::npos) return std::nullopt;
  return Virgule{texte.substr(0, virgule), Copie(texte, virgule + 2, longueurDroite)};
}

}  // namespace korvane
