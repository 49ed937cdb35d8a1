#pragma once

#include <stdexcept>

#include "base/Message.h"

namespace korvane {

// A failure the interpreter does not report itself (a number term the conversion rejects,
// a refused write): it aborts the run and carries the platform's French message; what()
// is UTF-8.
class EchecExecution : public std::runtime_error {
 public:
  explicit EchecExecution(const Message& message) : std::runtime_error(message.Utf8()) {}
};

}  // namespace korvane
