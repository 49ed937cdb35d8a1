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

std::optional<int32_t> CalculeEntier(int32_t a, const std::string& operateur, int32_t b) {
  const int64_t x = a;
  const int64_t y = b;
  if (operateur.empty()) return a;
  if (operateur == "+") return Enroule(x + y);
  if (operateur == "-") return Enroule(x - y);
  if (operateur == "*") return Enroule(x * y);
  const bool division = operateur == "\\" || operateur == "MOD" || operateur == "/";
  if (division && b == 0) return std::nullopt;
  // In 64 bits INT32_MIN / -1 cannot trap; it wraps like the other operators.
  if (operateur == "\\") return Enroule(x / y);
  if (operateur == "MOD") return Enroule(x % y);
  if (operateur == "/") {
    const long double quotient = static_cast<long double>(x) / static_cast<long double>(y);
    return Enroule(static_cast<int64_t>(std::nearbyint(quotient)));  // halves to even
  }
  return 0;  // "**" has no result
}

std::optional<double> CalculeReel(long double a, const std::string& operateur, long double b) {
  if (operateur.empty()) return ArrondiReel6(a);
  if (operateur == "+") return ArrondiReel6(a + b);
  if (operateur == "-") return ArrondiReel6(a - b);
  if (operateur == "*") return ArrondiReel6(a * b);
  const bool division = operateur == "/" || operateur == "\\" || operateur == "MOD";
  if (division && b == 0) return std::nullopt;
  if (operateur == "/") return ArrondiReel6(a / b);
  if (operateur == "\\") return ArrondiReel6(std::trunc(a / b));
  if (operateur == "MOD") return ArrondiReel6(std::fmod(a, b));  // sign of a
  return 0.0;  // "**" has no result
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
  const auto resultat = CalculeEntier(a, operateur, b);
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
  const auto resultat = CalculeReel(a, operateur, b);
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
  valeur += TermeChaine(droite);
  if (Etat > kContinue) return;
  texte = std::move(valeur);
}

}  // namespace korvane
