#pragma once
// korvane-run: runs a .bas file from its first line, headless.

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

// What the command line asks for: a run, or only the help or the version.
enum class Demande { Execution, Aide, Version };

struct OptionsRunner {
  Demande Demandee = Demande::Execution;
  std::string Fichier;
  std::string Parametres;
  std::optional<char> SeparateurDecimal;
  std::string Imprimante;  // absolute, so that a CHDIR of the program does not move it
};

// Reads the command line; on bad usage, nothing and the French reason in `raison`. --help and
// --version are answered as soon as they are met, whatever follows them.
std::optional<OptionsRunner> LitOptions(const std::vector<std::string>& arguments, std::string& raison);
extern const char* const kUsage;
// What --help prints after the usage line.
extern const char* const kAide;

// The locale's decimal point (LC_NUMERIC), without touching the C library's global locale.
char SeparateurDuSysteme();

// Runs the program on stdin, stdout and stderr, and returns the exit status.
int LanceProgramme(const OptionsRunner& options, const std::vector<std::string>& lignes);

}  // namespace korvane
