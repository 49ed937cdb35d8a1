#pragma once
// The one reader of program and text files (.bas, .txt), for korvane-run and the IDE alike.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// Larger files are refused: no editor holds them, and reading one must not exhaust memory.
inline constexpr std::size_t kTailleMaxSource = 16 * 1024 * 1024;
inline constexpr std::size_t kLignesMaxSource = 1'000'000;

inline constexpr std::string_view kBomUtf8 = "\xEF\xBB\xBF";

enum class Encodage { Utf8, Windows1252 };

// How a file's text is stored, so that saving it again gives back the same bytes.
struct FormatSource {
  Encodage Codage = Encodage::Utf8;
  bool Bom = false;  // a UTF-8 byte order mark opens the file
  friend bool operator==(const FormatSource&, const FormatSource&) = default;
};

struct SourceLue {
  // In the file's own encoding, without their line ends.
  std::vector<std::string> Lignes;
  FormatSource Format;
};

// Reads the regular file `chemin` without blocking on what is not one (a FIFO, a device).
// Nothing, with the French reason in `raison`, when it cannot be read or passes the limits.
[[nodiscard]] std::optional<SourceLue> LitSource(const std::string& chemin, std::string& raison);

// A file's bytes as lines: after an optional byte order mark, UTF-8 when the rest is valid
// UTF-8, otherwise Windows-1252; a line ends at CR LF, LF or a lone CR.
SourceLue DecoupeSource(std::string_view octets);

// The lines as the interpreter reads them, in Windows-1252.
std::vector<std::string> LignesCp1252(SourceLue source);

}  // namespace korvane
