#pragma once
// Reading the arguments of a built-in function: each is one operand, taken literally.

#include <cstdint>
#include <optional>
#include <string>

namespace korvane {

struct Machine;

// The message a function shows when a number argument does not convert.
enum class EchecArgument {
  Nombre,      // "erreur dans nombre " + the operand's value text
  Conversion,  // "Erreur de conversion"
  Expression,  // "Erreur dans expression"
};

// Each gives nothing once an error has been reported.
[[nodiscard]] std::optional<std::string> ArgumentOperande(Machine& m, std::string texte);
[[nodiscard]] std::optional<std::string> ArgumentChaine(Machine& m, std::string texte);
[[nodiscard]] std::optional<int32_t> ArgumentEntier(Machine& m, std::string texte, EchecArgument echec);
[[nodiscard]] std::optional<double> ArgumentReel(Machine& m, std::string texte, EchecArgument echec);

void SignaleEchec(Machine& m, EchecArgument echec, const std::string& valeur);

// Splits at the first comma: nothing when there is none. The right part keeps at most
// `longueurDroite` characters.
struct Virgule {
  std::string Gauche;
  std::string Droite;
};
[[nodiscard]] std::optional<Virgule> CoupeVirgule(const std::string& texte, std::size_t longueurDroite = 255);

}  // namespace korvane
