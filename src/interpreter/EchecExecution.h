#pragma once

#include <stdexcept>
#include <string>

namespace korvane {

// A failure the interpreter does not report itself (a number term the conversion rejects,
// a refused write): it aborts the run and carries the platform's French message, in UTF-8.
class EchecExecution : public std::runtime_error {
 public:
  explicit EchecExecution(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace korvane
