#include "eval/Evaluateur.h"

#include <type_traits>

#include "base/Nombres.h"
#include "base/Texte.h"
#include "eval/Termes.h"

namespace korvane {

namespace {

OperateurArith OperateurDe(char c) {
  using enum OperateurArith;
  switch (c) {
    case '-': return Moins;
    case '+': return Plus;
    case '*': return Fois;
    case '/': return Division;
    case '\\': return Quotient;
    default: return Aucun;
  }
}

template <typename T>
std::optional<T> Calcule(T a, OperateurArith operateur, T b) {
  if constexpr (std::is_same_v<T, int32_t>) return CalculeEntier(a, operateur, b);
  else return CalculeReel(a, operateur, b);
}

// Both terms are read, then the operation is done; `Lit` reads one term.
template <typename T, std::optional<T> (*Lit)(Machine&, const std::string&)>
std::optional<T> EvalNombre(Machine& m, const std::string& texte) {
  const Operation operation = CoupeOperateur(texte);
  const auto a = Lit(m, operation.Gauche);
  if (!a) return std::nullopt;
  const auto b = Lit(m, operation.Droite);
  if (!b) return std::nullopt;
  const auto resultat = Calcule<T>(*a, operation.Operateur, *b);
  if (!resultat) m.Erreur();
  return resultat;
}

}  // namespace

std::size_t DernierPlusHorsGuillemets(const std::string& texte) {
  bool entreGuillemets = false;
  std::size_t plus = std::string::npos;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    if (texte[i] == '"') entreGuillemets = !entreGuillemets;
    if (texte[i] == '+' && !entreGuillemets) plus = i;
  }
  return plus;
}

Operation CoupeOperateur(const std::string& expression) {
  const std::string texte = Trim(expression);
  bool horsParentheses = true;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const char c = texte[i];
    if (c == '(') horsParentheses = false;
    if (c == ')') horsParentheses = true;
    if (const OperateurArith operateur = OperateurDe(c); horsParentheses && operateur != OperateurArith::Aucun)
      return {Trim(texte.substr(0, i)), operateur, Trim(Copie(texte, i + 2, 255))};
  }
  if (const std::size_t p = texte.find("**"); p != std::string::npos)
    return {texte.substr(0, p), OperateurArith::Puissance, Copie(texte, p + 2, 255)};
  if (const std::size_t p = Majuscules(texte).find("MOD"); p != std::string::npos)
    return {Trim(texte.substr(0, p)), OperateurArith::Modulo, Trim(Copie(texte, p + 4, 255))};
  return {texte, OperateurArith::Aucun, {}};
}

bool EvalEntier(Machine& m, std::string& texte) {
  const auto valeur = EvalNombre<int32_t, TermeEntier>(m, texte);
  if (!valeur) return false;
  texte = EntierVersTexte(*valeur);
  return true;
}

bool EvalReel(Machine& m, std::string& texte) {
  const auto valeur = EvalNombre<double, TermeReel>(m, texte);
  if (!valeur) return false;
  texte = FormatReel(*valeur, m.SeparateurDecimal);
  return true;
}

bool EvalChaine(Machine& m, std::string& texte) {
  if (Trim(texte).empty()) {
    texte.clear();
    return true;
  }
  const std::size_t plus = DernierPlusHorsGuillemets(texte);
  if (plus == std::string::npos) {
    auto valeur = TermeChaine(m, texte);
    if (!valeur) return false;
    texte = std::move(*valeur);
    return true;
  }
  auto valeur = TermeChaine(m, texte.substr(0, plus));
  if (!valeur) return false;
  const auto suite = TermeChaine(m, Copie(texte, plus + 2, 255));
  if (!suite) return false;
  if (valeur->size() + suite->size() > kLongueurMaxChaine) return Echoue(m, "Trop de variables");
  texte = std::move(*valeur) + *suite;
  return true;
}

}  // namespace korvane
