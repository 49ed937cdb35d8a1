#include "base/Comparaison.h"

#include <array>
#include <cstring>
#include <utility>

#include "base/Texte.h"

namespace korvane {

namespace {

constexpr std::size_t kLargeurChamp = 16;
constexpr std::string_view kTestFin = "NOT EOF(";

struct Operateur {
  std::size_t Position = std::string::npos;
  std::size_t Longueur = 0;
  Comparaison Sorte = Comparaison::Egal;
};

// Two-character operators are found anywhere, string literals included.
Operateur ChercheOperateurDouble(const std::string& condition) {
  constexpr std::array<std::pair<std::string_view, Comparaison>, 3> kDoubles{{
      {"<=", Comparaison::InferieurOuEgal},
      {">=", Comparaison::SuperieurOuEgal},
      {"<>", Comparaison::Different},
  }};
  for (const auto& [motif, sorte] : kDoubles)
    if (const std::size_t p = condition.find(motif); p != std::string::npos) return {p, 2, sorte};
  return {};
}

// Single-character operators count only outside double quotes.
Operateur ChercheOperateurSimple(const std::string& condition) {
  bool entreGuillemets = false;
  for (std::size_t i = 0; i < condition.size(); ++i) {
    switch (condition[i]) {
      case '"': entreGuillemets = !entreGuillemets; break;
      case '<': if (!entreGuillemets) return {i, 1, Comparaison::Inferieur}; break;
      case '>': if (!entreGuillemets) return {i, 1, Comparaison::Superieur}; break;
      case '=': if (!entreGuillemets) return {i, 1, Comparaison::Egal}; break;
      default: break;
    }
  }
  return {};
}

Operateur ChercheOperateur(const std::string& condition) {
  const Operateur deuxCaracteres = ChercheOperateurDouble(condition);
  if (deuxCaracteres.Position != std::string::npos) return deuxCaracteres;
  return ChercheOperateurSimple(condition);
}

// The order of the two values right-aligned in 16 characters, without building the fields:
// the shorter value's extra leading blanks meet the longer value's first characters.
int OrdreDesChamps(std::string_view gauche, std::string_view droite) {
  if (gauche.size() > kLargeurChamp) gauche.remove_prefix(gauche.size() - kLargeurChamp);
  if (droite.size() > kLargeurChamp) droite.remove_prefix(droite.size() - kLargeurChamp);
  if (gauche.size() < droite.size()) return -OrdreDesChamps(droite, gauche);
  const std::size_t avance = gauche.size() - droite.size();
  for (std::size_t i = 0; i < avance; ++i)
    if (gauche[i] != ' ') return static_cast<unsigned char>(gauche[i]) < ' ' ? -1 : 1;
  return droite.empty() ? 0 : std::memcmp(gauche.data() + avance, droite.data(), droite.size());
}
}  // namespace

bool Compare(Comparaison sorte, std::string_view gauche, std::string_view droite) {
  // Bytes compare as unsigned values, the order the dialect wants.
  const int ordre = OrdreDesChamps(gauche, droite);
  switch (sorte) {
    case Comparaison::Egal: return ordre == 0;
    case Comparaison::Different: return ordre != 0;
    case Comparaison::Inferieur: return ordre < 0;
    case Comparaison::Superieur: return ordre > 0;
    case Comparaison::InferieurOuEgal: return ordre <= 0;
    case Comparaison::SuperieurOuEgal: return ordre >= 0;
  }
  return false;
}

bool EstTestFinDeFichier(const std::string& condition) {
  return Majuscules(Copie(condition, 1, kTestFin.size())) == kTestFin;
}

std::optional<Condition> CoupeCondition(const std::string& condition) {
  const Operateur op = ChercheOperateur(condition);
  if (op.Position == std::string::npos) return std::nullopt;
  return Condition{op.Sorte, Trim(condition.substr(0, op.Position)), Trim(Copie(condition, op.Position + op.Longueur + 1, 255))};
}

}  // namespace korvane
