// The functions of STRING terms that take arguments.
#include <algorithm>
#include <new>
#include <stdexcept>

#include "eval/Arguments.h"
#include "eval/Calcul.h"
#include "eval/Fonctions.h"
#include "eval/Nombres.h"
#include "eval/Texte.h"
#include "interpreter/Interpreteur.h"

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
std::optional<ChaineEtCompte> LitChaineEtCompte(Interpreteur& it, const std::string& arguments, bool& sansVirgule) {
  const auto parties = CoupeVirgule(arguments, kFenetreCompte);
  sansVirgule = !parties;
  if (!parties) return std::nullopt;
  auto chaine = ArgumentChaine(it, parties->Gauche);
  if (!chaine) return std::nullopt;
  const auto compte = ArgumentEntier(it, parties->Droite, EchecArgument::Expression);
  if (!compte) return std::nullopt;
  return ChaineEtCompte{std::move(*chaine), *compte};
}

// Without a comma LEFT$ and RIGHT$ give their argument text less one more character.
std::string SansDernier(const std::string& texte) { return texte.substr(0, texte.empty() ? 0 : texte.size() - 1); }

Chaine Left(Interpreteur& it, const std::string& arguments) {
  bool sansVirgule = false;
  const auto lu = LitChaineEtCompte(it, arguments, sansVirgule);
  if (sansVirgule) return SansDernier(arguments);
  if (!lu) return std::nullopt;
  if (lu->Compte <= 0) return std::string();
  return lu->Chaine.substr(0, static_cast<std::size_t>(lu->Compte));
}

Chaine Right(Interpreteur& it, const std::string& arguments) {
  bool sansVirgule = false;
  const auto lu = LitChaineEtCompte(it, arguments, sansVirgule);
  if (sansVirgule) return SansDernier(arguments);
  if (!lu) return std::nullopt;
  if (lu->Compte <= 0) return std::string();
  const std::size_t longueur = lu->Chaine.size();
  const auto compte = static_cast<std::size_t>(lu->Compte);
  if (compte >= longueur) return lu->Chaine;
  return Copie(lu->Chaine, longueur - compte + 1, 255);
}

Chaine Mid(Interpreteur& it, const std::string& arguments) {
  const auto premiere = CoupeVirgule(arguments);
  if (!premiere) return arguments;
  const auto chaine = ArgumentChaine(it, premiere->Gauche);
  if (!chaine) return std::nullopt;
  const auto seconde = CoupeVirgule(premiere->Droite);
  if (!seconde) return std::string();
  const auto debut = ArgumentEntier(it, seconde->Gauche, EchecArgument::Expression);
  if (!debut) return std::nullopt;
  const auto nombre = ArgumentEntier(it, seconde->Droite, EchecArgument::Expression);
  if (!nombre) return std::nullopt;
  if (*nombre <= 0) return std::string();
  return Copie(*chaine, static_cast<std::size_t>(std::max(*debut, 1)), static_cast<std::size_t>(*nombre));
}

Chaine Chr(Interpreteur& it, const std::string& arguments) {
  const auto code = ArgumentEntier(it, arguments, EchecArgument::Conversion);
  if (!code) return std::nullopt;
  return std::string(1, static_cast<char>(static_cast<uint32_t>(*code) & 0xFF));
}

Chaine UCase(Interpreteur& it, const std::string& arguments) {
  const auto chaine = ArgumentChaine(it, arguments);
  if (!chaine) return std::nullopt;
  return Majuscules(*chaine);
}

char MinusculeAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

Chaine LCase(Interpreteur& it, const std::string& arguments) {
  auto chaine = ArgumentChaine(it, arguments);
  if (!chaine) return std::nullopt;
  for (char& c : *chaine) c = MinusculeAscii(c);
  return chaine;
}

// `nombre` copies of `c`; a count too large for memory is refused like a full store.
Chaine Repete(Interpreteur& it, int32_t nombre, char c) {
  if (nombre <= 0) return std::string();
  if (static_cast<std::size_t>(nombre) > kLongueurMaxChaine) {
    it.Erreur("Trop de variables");
    return std::nullopt;
  }
  try {
    return std::string(static_cast<std::size_t>(nombre), c);
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  it.Erreur("Trop de variables");
  return std::nullopt;
}

Chaine Space(Interpreteur& it, const std::string& arguments) {
  const auto nombre = ArgumentEntier(it, arguments, EchecArgument::Conversion);
  if (!nombre) return std::nullopt;
  return Repete(it, *nombre, ' ');
}

Chaine String(Interpreteur& it, const std::string& arguments) {
  const auto parties = CoupeVirgule(arguments);
  if (!parties) return arguments;
  const auto nombre = ArgumentEntier(it, parties->Gauche, EchecArgument::Expression);
  if (!nombre) return std::nullopt;
  const auto motif = ArgumentChaine(it, parties->Droite);
  if (!motif) return std::nullopt;
  if (motif->empty()) return std::string();
  return Repete(it, *nombre, motif->front());
}

Chaine Str(Interpreteur& it, const std::string& arguments) {
  auto valeur = ArgumentOperande(it, arguments);
  if (!valeur) return std::nullopt;
  if (!TexteVersReel(*valeur, it.SeparateurDecimal)) {
    it.Erreur("Erreur de conversion");
    return std::nullopt;
  }
  return valeur;
}

Chaine Hex(Interpreteur& it, const std::string& arguments) {
  const auto n = ArgumentEntier(it, arguments, EchecArgument::Conversion);
  if (!n) return std::nullopt;
  constexpr char kChiffres[] = "0123456789ABCDEF";
  std::string hexa;
  for (auto bits = static_cast<uint32_t>(*n); bits != 0; bits >>= 4) hexa.insert(hexa.begin(), kChiffres[bits & 0xF]);
  return hexa;
}

constexpr Fonction<std::string> kFonctionsChaines[] = {
    {"LEFT$", Left},     {"RIGHT$", Right},   {"MID$", Mid},         {"CHR$", Chr},  {"UCASE$", UCase},
    {"LCASE$", LCase},   {"SPACE$", Space},   {"STRING$", String},   {"STR$", Str},  {"HEX$", Hex},
};

}  // namespace

std::span<const Fonction<std::string>> FonctionsChaines() { return kFonctionsChaines; }

}  // namespace korvane
