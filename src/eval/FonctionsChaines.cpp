// The functions of STRING terms that take arguments.
#include <algorithm>
#include <new>
#include <stdexcept>

#include "eval/Arguments.h"
#include "base/Calcul.h"
#include "eval/FonctionsChaines.h"
#include "base/Nombres.h"
#include "base/Texte.h"
#include "machine/Machine.h"

namespace korvane {

namespace {

using Chaine = std::optional<std::string>;

// LEFT$ and RIGHT$ read their count from the three characters after the comma.
constexpr std::size_t kFenetreCompte = 3;

struct ChaineEtCompte {
  std::string Chaine;
  int32_t Compte = 0;
};

// s, n of LEFT$ and RIGHT$. Without a comma `sansVirgule` is set instead.
std::optional<ChaineEtCompte> LitChaineEtCompte(Machine& m, const std::string& arguments, bool& sansVirgule) {
  const auto parties = CoupeVirgule(arguments, kFenetreCompte);
  sansVirgule = !parties;
  if (!parties) return std::nullopt;
  auto chaine = ArgumentChaine(m, parties->Gauche);
  if (!chaine) return std::nullopt;
  const auto compte = ArgumentEntier(m, parties->Droite, EchecArgument::Expression);
  if (!compte) return std::nullopt;
  return ChaineEtCompte{std::move(*chaine), *compte};
}

// Without a comma LEFT$ and RIGHT$ give their argument text less one more character.
std::string SansDernier(const std::string& texte) { return texte.substr(0, texte.empty() ? 0 : texte.size() - 1); }

// LEFT$ and RIGHT$: `garde` takes n > 0 characters of the string.
template <std::string (*Garde)(const std::string&, std::size_t)>
Chaine Extrait(Machine& m, const std::string& arguments) {
  bool sansVirgule = false;
  const auto lu = LitChaineEtCompte(m, arguments, sansVirgule);
  if (sansVirgule) return SansDernier(arguments);
  if (!lu) return std::nullopt;
  if (lu->Compte <= 0) return std::string();
  return Garde(lu->Chaine, static_cast<std::size_t>(lu->Compte));
}

std::string Debut(const std::string& chaine, std::size_t n) { return chaine.substr(0, n); }

std::string Fin(const std::string& chaine, std::size_t n) {
  return n >= chaine.size() ? chaine : Copie(chaine, chaine.size() - n + 1, 255);
}

Chaine Mid(Machine& m, const std::string& arguments) {
  const auto premiere = CoupeVirgule(arguments);
  if (!premiere) return arguments;
  const auto chaine = ArgumentChaine(m, premiere->Gauche);
  if (!chaine) return std::nullopt;
  const auto seconde = CoupeVirgule(premiere->Droite);
  if (!seconde) return std::string();
  const auto debut = ArgumentEntier(m, seconde->Gauche, EchecArgument::Expression);
  if (!debut) return std::nullopt;
  const auto nombre = ArgumentEntier(m, seconde->Droite, EchecArgument::Expression);
  if (!nombre) return std::nullopt;
  if (*nombre <= 0) return std::string();
  return Copie(*chaine, static_cast<std::size_t>(std::max(*debut, 1)), static_cast<std::size_t>(*nombre));
}

Chaine Chr(Machine& m, const std::string& arguments) {
  const auto code = ArgumentEntier(m, arguments, EchecArgument::Conversion);
  if (!code) return std::nullopt;
  return std::string(1, static_cast<char>(static_cast<uint32_t>(*code) & 0xFF));
}

Chaine UCase(Machine& m, const std::string& arguments) {
  const auto chaine = ArgumentChaine(m, arguments);
  if (!chaine) return std::nullopt;
  return Majuscules(*chaine);
}

char MinusculeAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

Chaine LCase(Machine& m, const std::string& arguments) {
  auto chaine = ArgumentChaine(m, arguments);
  if (!chaine) return std::nullopt;
  for (char& c : *chaine) c = MinusculeAscii(c);
  return chaine;
}

// `nombre` copies of `c`; a count too large for memory is refused like a full store.
Chaine Repete(Machine& m, int32_t nombre, char c) {
  if (nombre <= 0) return std::string();
  if (static_cast<std::size_t>(nombre) > kLongueurMaxChaine) {
    m.Erreur("Trop de variables");
    return std::nullopt;
  }
  try {
    return std::string(static_cast<std::size_t>(nombre), c);
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  m.Erreur("Trop de variables");
  return std::nullopt;
}

Chaine Space(Machine& m, const std::string& arguments) {
  const auto nombre = ArgumentEntier(m, arguments, EchecArgument::Conversion);
  if (!nombre) return std::nullopt;
  return Repete(m, *nombre, ' ');
}

Chaine String(Machine& m, const std::string& arguments) {
  const auto parties = CoupeVirgule(arguments);
  if (!parties) return arguments;
  const auto nombre = ArgumentEntier(m, parties->Gauche, EchecArgument::Expression);
  if (!nombre) return std::nullopt;
  const auto motif = ArgumentChaine(m, parties->Droite);
  if (!motif) return std::nullopt;
  if (motif->empty()) return std::string();
  return Repete(m, *nombre, motif->front());
}

Chaine Str(Machine& m, const std::string& arguments) {
  auto valeur = ArgumentOperande(m, arguments);
  if (!valeur) return std::nullopt;
  if (!TexteVersReel(*valeur, m.SeparateurDecimal)) {
    m.Erreur("Erreur de conversion");
    return std::nullopt;
  }
  return valeur;
}

Chaine Hex(Machine& m, const std::string& arguments) {
  const auto n = ArgumentEntier(m, arguments, EchecArgument::Conversion);
  if (!n) return std::nullopt;
  constexpr char kChiffres[] = "0123456789ABCDEF";
  std::string hexa;
  for (auto bits = static_cast<uint32_t>(*n); bits != 0; bits >>= 4) hexa.insert(hexa.begin(), kChiffres[bits & 0xF]);
  return hexa;
}

constexpr Fonction<std::string> kFonctionsChaines[] = {
    {"LEFT$", Extrait<Debut>}, {"RIGHT$", Extrait<Fin>},   {"MID$", Mid},         {"CHR$", Chr},  {"UCASE$", UCase},
    {"LCASE$", LCase},   {"SPACE$", Space},   {"STRING$", String},   {"STR$", Str},  {"HEX$", Hex},
};

}  // namespace

std::span<const Fonction<std::string>> FonctionsChaines() { return kFonctionsChaines; }

}  // namespace korvane
