#pragma once
// Byte-text helpers: every character of the core is one Windows-1252 byte.

#include <string>
#include <string_view>

namespace korvane {

// Upper-cases a-z only; accented letters and other bytes stay as they are.
std::string Majuscules(std::string_view texte);
char MajusculeAscii(char c);

// Removes leading and trailing characters with codes 0 to 32.
std::string Trim(std::string_view texte);

// Tabs become blanks, in place.
void RemplaceTab(std::string& texte);

// Characters from 1-based position `debut`, at most `nombre` of them (Copy semantics:
// a start past the end gives an empty text).
std::string Copie(std::string_view texte, std::size_t debut, std::size_t nombre);

// 1-based position of the first occurrence of `motif`, 0 when absent.
std::size_t Position(std::string_view motif, std::string_view texte);

[[nodiscard]] bool EstUtf8Valide(std::string_view octets);
std::string Cp1252VersUtf8(std::string_view texte);
// The Windows-1252 byte of a character, -1 when it has none.
int OctetCp1252(char32_t code);
// Characters outside Windows-1252 become '?'; `perte` tells whether any did.
std::string Utf8VersCp1252(std::string_view texte, bool* perte = nullptr);

// A literal of the source (UTF-8) as core text.
inline std::string Cp(std::string_view litteralUtf8) { return Utf8VersCp1252(litteralUtf8); }

}  // namespace korvane
