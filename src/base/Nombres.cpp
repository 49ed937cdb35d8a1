#include "base/Nombres.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace korvane {

namespace {

// A value with at most three binary places and few digits is written exactly, without the
// rounding conversion: its integer part, then its decimals from the eighths.
std::optional<std::string> FormatExact(double valeur, char separateur) {
  const double huitiemes = std::fabs(valeur) * 8;
  if (!(huitiemes < 8e11) || huitiemes != std::trunc(huitiemes)) return std::nullopt;
  constexpr const char* kDecimales[] = {"", "125", "25", "375", "5", "625", "75", "875"};
  const auto n = static_cast<uint64_t>(huitiemes);
  std::string sortie = valeur < 0 ? "-" : "";
  sortie += std::to_string(n / 8);
  if (n % 8 != 0) (sortie += separateur) += kDecimales[n % 8];
  return sortie;
}

}  // namespace

std::string FormatReel(double valeur, char separateur, int chiffres) {
  if (valeur == 0) return "0";
  if (chiffres >= 15)
    if (auto exact = FormatExact(valeur, separateur)) return std::move(*exact);
  char tampon[64];
  // d.ddd...e[+-]x: `chiffres` significant digits, rounded by the conversion.
  const auto fin =
      std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::scientific, chiffres - 1).ptr;
  const std::string_view ecrit(tampon, static_cast<std::size_t>(fin - tampon));
  const bool negatif = ecrit.front() == '-';
  const std::size_t e = ecrit.find('e');
  int exposant = 0;
  std::from_chars(ecrit.data() + e + (ecrit[e + 1] == '+' ? 2 : 1), ecrit.data() + ecrit.size(), exposant);
  std::string significatifs;
  for (char c : ecrit.substr(0, e))
    if (c >= '0' && c <= '9') significatifs += c;
  while (significatifs.size() > 1 && significatifs.back() == '0') significatifs.pop_back();

  std::string sortie = negatif ? "-" : "";
  if (exposant >= -4 && exposant < 15) {
    if (exposant < 0) {
      sortie += '0';
      sortie += separateur;
      sortie.append(static_cast<std::size_t>(-exposant - 1), '0');
      sortie += significatifs;
    } else {
      const std::size_t entiers = static_cast<std::size_t>(exposant) + 1;
      if (significatifs.size() <= entiers) {
        sortie += significatifs;
        sortie.append(entiers - significatifs.size(), '0');
      } else {
        sortie += significatifs.substr(0, entiers);
        sortie += separateur;
        sortie += significatifs.substr(entiers);
      }
    }
  } else {
    sortie += significatifs.front();
    if (significatifs.size() > 1) {
      sortie += separateur;
      sortie += significatifs.substr(1);
    }
    sortie += 'E';
    sortie += std::to_string(exposant);
  }
  return sortie;
}

namespace {
bool EstChiffre(char c) { return c >= '0' && c <= '9'; }

int ValeurHexa(char c) {
  if (EstChiffre(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}
}  // namespace

std::optional<int32_t> TexteVersEntier(std::string_view texte) {
  std::size_t i = 0;
  while (i < texte.size() && texte[i] == ' ') ++i;
  bool negatif = false;
  if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) negatif = texte[i++] == '-';
  if (i >= texte.size()) return std::nullopt;

  int64_t valeur = 0;
  if (texte[i] == '$') {
    // Hexadecimal covers the 32 bits: $FFFFFFFF is -1.
    const std::string_view hexa = texte.substr(i + 1);
    if (hexa.empty() || hexa.size() > 8) return std::nullopt;
    uint32_t bits = 0;
    for (char c : hexa) {
      const int v = ValeurHexa(c);
      if (v < 0) return std::nullopt;
      bits = (bits << 4) | static_cast<uint32_t>(v);
    }
    valeur = static_cast<int32_t>(bits);
  } else {
    for (; i < texte.size(); ++i) {
      if (!EstChiffre(texte[i])) return std::nullopt;
      valeur = valeur * 10 + (texte[i] - '0');
      if (valeur > 2147483648LL) return std::nullopt;
    }
  }
  if (negatif) valeur = -valeur;
  if (valeur < INT32_MIN || valeur > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(valeur);
}

namespace {

// A number's text as its parts: sign, digits before and after the separator, exponent.
struct NombreLu {
  bool Negatif = false;
  std::string_view Entiers, Decimales, Exposant;  // Exposant keeps its sign
};

std::optional<NombreLu> LitNombre(std::string_view texte, char separateur) {
  const auto chiffres = [&](std::size_t& i) {
    const std::size_t debut = i;
    while (i < texte.size() && EstChiffre(texte[i])) ++i;
    return texte.substr(debut, i - debut);
  };
  NombreLu lu;
  std::size_t i = 0;
  if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) lu.Negatif = texte[i++] == '-';
  lu.Entiers = chiffres(i);
  if (i < texte.size() && texte[i] == separateur) lu.Decimales = chiffres(++i);
  if (lu.Entiers.empty() && lu.Decimales.empty()) return std::nullopt;
  if (i < texte.size() && (texte[i] == 'E' || texte[i] == 'e')) {
    const std::size_t debut = ++i;
    if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) ++i;
    if (chiffres(i).empty()) return std::nullopt;
    lu.Exposant = texte.substr(debut, i - debut);
  }
  if (i != texte.size()) return std::nullopt;
  return lu;
}

// Without an exponent and with few digits, the digits make an exact integer and the power of
// ten an exact divisor: one correctly rounded division gives what the library's conversion gives.
std::optional<long double> ValeurExacte(const NombreLu& lu) {
  constexpr std::size_t kChiffresExacts = std::min(std::numeric_limits<long double>::digits10, 18);
  if (!lu.Exposant.empty() || lu.Entiers.size() + lu.Decimales.size() > kChiffresExacts) return std::nullopt;
  uint64_t entier = 0, puissance = 1;
  for (char c : lu.Entiers) entier = entier * 10 + static_cast<uint64_t>(c - '0');
  for (char c : lu.Decimales) {
    entier = entier * 10 + static_cast<uint64_t>(c - '0');
    puissance *= 10;
  }
  long double valeur = static_cast<long double>(entier);
  if (puissance != 1) valeur /= static_cast<long double>(puissance);
  return lu.Negatif ? -valeur : valeur;
}

std::optional<long double> ValeurConvertie(const NombreLu& lu) {
  std::string normalise(lu.Negatif ? "-" : "");
  normalise.append(lu.Entiers).append(".").append(lu.Decimales);
  if (!lu.Exposant.empty()) normalise.append("e").append(lu.Exposant);
  long double valeur = 0;
  const auto [fin_lue, erreur] = std::from_chars(normalise.data(), normalise.data() + normalise.size(), valeur);
  if (erreur == std::errc::result_out_of_range) {
    // Beyond even long double: a negative exponent is an underflow to 0, anything else overflows.
    if (lu.Exposant.starts_with('-')) return 0.0L;
    return std::nullopt;
  }
  if (erreur != std::errc() || fin_lue != normalise.data() + normalise.size()) return std::nullopt;
  return valeur;
}

}  // namespace

std::optional<double> TexteVersReel(std::string_view texte, char separateur) {
  const std::size_t debut = texte.find_first_not_of(' ');
  if (debut == std::string_view::npos) return std::nullopt;
  texte = texte.substr(debut, texte.find_last_not_of(' ') + 1 - debut);
  const auto lu = LitNombre(texte, separateur);
  if (!lu) return std::nullopt;
  auto valeur = ValeurExacte(*lu);
  if (!valeur) valeur = ValeurConvertie(*lu);
  if (!valeur) return std::nullopt;
  return ArrondiReel6(*valeur);
}

std::string EntierVersTexte(int32_t valeur) { return std::to_string(valeur); }

}  // namespace korvane
