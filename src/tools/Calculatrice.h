#pragma once
// The pocket calculator's arithmetic: a display, an accumulator and a pending operator,
// worked from left to right without precedence. Numbers are 6-byte reals; the display uses
// a decimal comma and shows results to 12 significant digits, and what it shows is what the
// accumulator holds, so that reading the display back never changes a number.

#include <optional>
#include <string>

namespace korvane {

class Calculatrice {
 public:
  // Every operation that fails returns the message to show and changes nothing.
  using Echec = std::optional<std::string>;

  void Raz();
  void Chiffre(char chiffre);
  void Virgule();
  Echec Egal();
  // '+', '-', '*' or '/': Egal, then that operator waits for the next operand.
  Echec Operateur(char operateur);
  Echec Inverse();
  Echec Racine();

  const std::string& Affichage() const { return affichage_; }
  double Accu() const { return accu_; }
  bool AccuValide() const { return accuValide_; }
  char OperateurEnAttente() const { return operateur_; }

 private:
  // The display as a number, or the message that says it is none.
  std::optional<double> LitAffichage(std::string& message) const;
  // Shows `valeur` and makes what is shown the accumulator.
  void Montre(double valeur);

  std::string affichage_;
  double accu_ = 0;
  bool accuValide_ = false;
  bool nouvelleSaisie_ = false;
  char operateur_ = 0;  // none
};

}  // namespace korvane
