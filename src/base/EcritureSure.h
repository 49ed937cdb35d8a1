#pragma once
// Writing a whole file so that a failure never damages what was on disk before.

#include <string>
#include <string_view>

namespace korvane {

// Writes `octets` to a new file beside `chemin`, checks every write, flushes it to the disk,
// then renames it over `chemin` (over the target of a symbolic link, not the link). On any
// failure the old file is left as it was, and `raison` holds the French reason.
[[nodiscard]] bool RemplaceFichier(const std::string& chemin, std::string_view octets, std::string& raison);

}  // namespace korvane
