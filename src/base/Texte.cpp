#include "base/Texte.h"

#include <array>
#include <cstdint>

namespace korvane {

char MajusculeAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string Majuscules(std::string_view texte) {
  std::string resultat(texte);
  for (char& c : resultat) c = MajusculeAscii(c);
  return resultat;
}

namespace {
bool EstBlanc(char c) { return static_cast<unsigned char>(c) <= 32; }
}  // namespace

std::string Trim(std::string_view texte) {
  std::size_t debut = 0;
  std::size_t fin = texte.size();
  while (debut < fin && EstBlanc(texte[debut])) ++debut;
  while (fin > debut && EstBlanc(texte[fin - 1])) --fin;
  return std::string(texte.substr(debut, fin - debut));
}

void RemplaceTab(std::string& texte) {
  for (char& c : texte)
    if (c == '\t') c = ' ';
}

std::string Copie(std::string_view texte, std::size_t debut, std::size_t nombre) {
  if (debut < 1) debut = 1;
  if (debut > texte.size()) return {};
  return std::string(texte.substr(debut - 1, nombre));
}

std::size_t Position(std::string_view motif, std::string_view texte) {
  const std::size_t p = texte.find(motif);
  return p == std::string_view::npos ? 0 : p + 1;
}

namespace {
// Code points of bytes 0x80-0x9F; the five unassigned bytes map to the C1 control of the same value.
constexpr std::array<char32_t, 32> kCp1252Haut = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodeCp1252(unsigned char octet) {
  return (octet >= 0x80 && octet <= 0x9F) ? kCp1252Haut[octet - 0x80] : octet;
}

void AjouteUtf8(std::string& sortie, char32_t code) {
  if (code < 0x80) {
    sortie += static_cast<char>(code);
  } else if (code < 0x800) {
    sortie += static_cast<char>(0xC0 | (code >> 6));
    sortie += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    sortie += static_cast<char>(0xE0 | (code >> 12));
    sortie += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    sortie += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    sortie += static_cast<char>(0xF0 | (code >> 18));
    sortie += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    sortie += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    sortie += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Decodes one UTF-8 sequence at `i`; returns its length, 0 when invalid.
std::size_t DecodeUtf8(std::string_view octets, std::size_t i, char32_t& code) {
  const auto o = [&](std::size_t k) { return static_cast<unsigned char>(octets[k]); };
  const unsigned char premier = o(i);
  std::size_t longueur = 0;
  char32_t minimum = 0;
  if (premier < 0x80) {
    code = premier;
    return 1;
  } else if ((premier & 0xE0) == 0xC0) {
    longueur = 2, code = premier & 0x1F, minimum = 0x80;
  } else if ((premier & 0xF0) == 0xE0) {
    longueur = 3, code = premier & 0x0F, minimum = 0x800;
  } else if ((premier & 0xF8) == 0xF0) {
    longueur = 4, code = premier & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (i + longueur > octets.size()) return 0;
  for (std::size_t k = 1; k < longueur; ++k) {
    if ((o(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (o(i + k) & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return longueur;
}
}  // namespace

int OctetCp1252(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<int>(code);
  for (std::size_t i = 0; i < kCp1252Haut.size(); ++i)
    if (kCp1252Haut[i] == code) return static_cast<int>(0x80 + i);
  return -1;
}

bool EstUtf8Valide(std::string_view octets) {
  for (std::size_t i = 0; i < octets.size();) {
    char32_t code;
    const std::size_t n = DecodeUtf8(octets, i, code);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::string Cp1252VersUtf8(std::string_view texte) {
  std::string sortie;
  sortie.reserve(texte.size());
  for (char c : texte) AjouteUtf8(sortie, CodeCp1252(static_cast<unsigned char>(c)));
  return sortie;
}

std::string Utf8VersCp1252(std::string_view texte, bool* perte) {
  std::string sortie;
  sortie.reserve(texte.size());
  if (perte) *perte = false;
  for (std::size_t i = 0; i < texte.size();) {
    char32_t code;
    std::size_t n = DecodeUtf8(texte, i, code);
    int octet = -1;
    if (n == 0) {
      n = 1;
    } else {
      octet = OctetCp1252(code);
    }
    if (octet < 0) {
      octet = '?';
      if (perte) *perte = true;
    }
    sortie += static_cast<char>(octet);
    i += n;
  }
  return sortie;
}

}  // namespace korvane
