// The typed evaluators: one operation at most, no precedence, the target's type decides.
#include <cmath>
#include <optional>

#include "eval/Calcul.h"
#include "eval/Nombres.h"
#include "eval/Texte.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

namespace {

bool EstOperateur(char c) { return std::string_view("-+*/\\").find(c) != std::string_view::npos; }

// 32-bit wrap-around: the conversion to a narrower signed type is modular.
int32_t Enroule(int64_t valeur) { return static_cast<int32_t>(valeur); }

}  // namespace

OperateurArith LitOperateurArith(const std::string& operateur) {
  using enum OperateurArith;
  if (operateur == "+") return Plus;
  if (operateur == "-") return Moins;
  if (operateur == "*") return Fois;
  if (operateur == "\\") return Quotient;
  if (operateur == "MOD") return Modulo;
  if (operateur == "/") return Division;
  if (operateur == "**") return Puissance;
  return Aucun;
}

std::optional<int32_t> CalculeEntier(int32_t a, OperateurArith operateur, int32_t b) {
  using enum OperateurArith;
  const int64_t x = a;
  const int64_t y = b;
  const bool division = operateur == Quotient || operateur == Modulo || operateur == Division;
  if (division && b == 0) return std::nullopt;
  switch (operateur) {
    case Aucun: return a;
    case Plus: return Enroule(x + y);
    case Moins: return Enroule(x - y);
    case Fois: return Enroule(x * y);
    // In 64 bits INT32_MIN / -1 cannot trap; it wraps like the other operators.
    case Quotient: return Enroule(x / y);
    case Modulo: return Enroule(x % y);
    case Division: return Enroule(static_cast<int64_t>(std::nearbyint(static_cast<long double>(x) / y)));  // halves to even
    case Puissance: return 0;  // "**" has no result
  }
  return 0;
}

std::optional<double> CalculeReel(long double a, OperateurArith operateur, long double b) {
  using enum OperateurArith;
  const bool division = operateur == Division || operateur == Quotient || operateur == Modulo;
  if (division && b == 0) return std::nullopt;
  switch (operateur) {
    case Aucun: return ArrondiReel6(a);
    case Plus: return ArrondiReel6(a + b);
    case Moins: return ArrondiReel6(a - b);
    case Fois: return ArrondiReel6(a * b);
    case Division: return ArrondiReel6(a / b);
    case Quotient: return ArrondiReel6(std::trunc(a / b));
    case Modulo: return ArrondiReel6(std::fmod(a, b));  // sign of a
    case Puissance: return 0.0;  // "**" has no result
  }
  return 0.0;
}

std::size_t DernierPlusHorsGuillemets(const std::string& texte) {
  bool entreGuillemets = false;
  std::size_t plus = std::string::npos;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    if (texte[i] == '"') entreGuillemets = !entreGuillemets;
    if (texte[i] == '+' && !entreGuillemets) plus = i;
  }
  return plus;
}

void Interpreteur::CoupeOperateur(const std::string& expression, std::string& gauche, std::string& operateur,
                                  std::string& droite) const {
  const std::string texte = Trim(expression);
  gauche.clear();
  operateur.clear();
  droite.clear();

  // A switch, not a depth count: any ")" reopens the scan.
  bool horsParentheses = true;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const char c = texte[i];
    if (c == '(') horsParentheses = false;
    if (c == ')') horsParentheses = true;
    if (horsParentheses && EstOperateur(c)) {
      gauche = Trim(texte.substr(0, i));
      operateur = std::string(1, c);
      droite = Trim(Copie(texte, i + 2, 255));
      return;
    }
  }
  if (const std::size_t p = texte.find("**"); p != std::string::npos) {
    gauche = texte.substr(0, p);
    operateur = "**";
    droite = Copie(texte, p + 2, 255);
    return;
  }
  if (const std::size_t p = Majuscules(texte).find("MOD"); p != std::string::npos) {
    gauche = Trim(texte.substr(0, p));
    operateur = "MOD";
    droite = Trim(Copie(texte, p + 4, 255));
    return;
  }
  gauche = texte;
}

void Interpreteur::EvalEntier(std::string& texte) {
  Etat = kContinue;
  std::string gauche, operateur, droite;
  CoupeOperateur(texte, gauche, operateur, droite);
  const int32_t a = TermeEntier(gauche);
  if (Etat > kContinue) return;
  const int32_t b = TermeEntier(droite);
  if (Etat > kContinue) return;
  const auto resultat = CalculeEntier(a, LitOperateurArith(operateur), b);
  if (!resultat) {
    Etat = kArret;
    return;
  }
  texte = EntierVersTexte(*resultat);
}

void Interpreteur::EvalReel(std::string& texte) {
  Etat = kContinue;
  std::string gauche, operateur, droite;
  CoupeOperateur(texte, gauche, operateur, droite);
  const double a = TermeReel(gauche);
  if (Etat > kContinue) return;
  const double b = TermeReel(droite);
  if (Etat > kContinue) return;
  const auto resultat = CalculeReel(a, LitOperateurArith(operateur), b);
  if (!resultat) {
    Etat = kArret;
    return;
  }
  texte = FormatReel(*resultat, SeparateurDecimal);
}

void Interpreteur::EvalChaine(std::string& texte) {
  // Nothing to evaluate stores the empty string.
  if (Trim(texte).empty()) {
    texte.clear();
    return;
  }
  const std::size_t plus = DernierPlusHorsGuillemets(texte);
  if (plus == std::string::npos) {
    texte = TermeChaine(texte);
    return;
  }
  std::string gauche = texte.substr(0, plus);
  std::string droite = Copie(texte, plus + 2, 255);
  std::string valeur = TermeChaine(gauche);
  if (Etat > kContinue) return;
  const std::string suite = TermeChaine(droite);
  if (Etat > kContinue) return;
  if (valeur.size() + suite.size() > kLongueurMaxChaine) return Erreur("Trop de variables");
  texte = std::move(valeur) + suite;
}

}  // namespace korvane
