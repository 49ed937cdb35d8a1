#pragma once
// The program file of korvane-run, read whole before the run.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

// Larger programs are refused: no editor holds them, and reading one must not exhaust memory.
inline constexpr std::size_t kTailleMaxSource = 16 * 1024 * 1024;
inline constexpr std::size_t kLignesMaxSource = 1'000'000;

// The lines of the regular file `chemin`, or nothing with the French reason in `raison`.
std::optional<std::vector<std::string>> LitSource(const std::string& chemin, std::string& raison);

// Splits a source file into Windows-1252 lines: UTF-8 when valid, otherwise Windows-1252;
// lines end at CR LF or LF.
std::vector<std::string> DecoupeSource(std::string octets);

}  // namespace korvane
