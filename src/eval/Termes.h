#pragma once
// The term readers of the typed evaluators: a number, a variable or array element of the
// target's type, or a built-in function of that result type. Each gives nothing once it
// has reported a failure; a number the conversion rejects throws EchecExecution.

#include <cstdint>
#include <optional>
#include <string>

#include "eval/Resolution.h"
#include "machine/Machine.h"

namespace korvane {

[[nodiscard]] std::optional<int32_t> TermeEntier(Machine& m, const std::string& terme);
[[nodiscard]] std::optional<double> TermeReel(Machine& m, const std::string& terme);
[[nodiscard]] std::optional<std::string> TermeChaine(Machine& m, const std::string& terme);

// What a term the resolver found wrong means: a message, or for a number an abort.
void SignaleEchecLecture(Machine& m, EchecLecture echec, const std::string& terme);

}  // namespace korvane
