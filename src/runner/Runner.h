#pragma once
// korvane-run: runs a .bas file from its first line, headless.

#include <csignal>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

// Exit statuses of korvane-run.
inline constexpr int kSortieFin = 0;
inline constexpr int kSortieArret = 1;
inline constexpr int kSortieEchec = 2;
inline constexpr int kSortieUsage = 64;
inline constexpr int kSortieFichier = 66;

struct OptionsRunner {
  std::string Fichier;
  std::string Parametres;
  std::optional<char> SeparateurDecimal;
  std::string Imprimante;
};

// Reads the command line; nothing on bad usage.
std::optional<OptionsRunner> LitOptions(const std::vector<std::string>& arguments);
extern const char* const kUsage;

// Splits a source file into Windows-1252 lines: UTF-8 when valid, otherwise Windows-1252;
// lines end at CR LF or LF.
std::vector<std::string> DecoupeSource(const std::string& octets);

// The locale's decimal point (LC_NUMERIC), without touching the C library's global locale.
char SeparateurDuSysteme();

struct Flux {
  std::istream& Entree;
  bool EntreeTerminal;
  std::ostream& Sortie;
  bool SortieTerminal;
  std::ostream& Erreurs;
};

// Runs the program and returns the exit status.
int LanceProgramme(const OptionsRunner& options, const std::vector<std::string>& lignes, Flux flux,
                   const volatile std::sig_atomic_t& interruption);

}  // namespace korvane
