#pragma once
// A text for the user. Core text is Windows-1252 and the literals of our sources are UTF-8;
// a Message keeps the two apart: a string literal is converted when it enters, core text
// (a name, a value) is appended as its bytes.

#include <cstddef>
#include <string>
#include <string_view>

#include "base/Texte.h"

namespace korvane {

class Message {
 public:
  template <std::size_t N>
  Message(const char (&litteralUtf8)[N]) : octets_(Cp(std::string_view(litteralUtf8, N - 1))) {}

  template <std::size_t N>
  Message& operator+=(const char (&litteralUtf8)[N]) {
    octets_ += Cp(std::string_view(litteralUtf8, N - 1));
    return *this;
  }
  Message& operator+=(const std::string& cp1252) {
    octets_ += cp1252;
    return *this;
  }
  template <typename Texte>
  friend Message operator+(Message m, const Texte& suite) {
    m += suite;
    return m;
  }

  const std::string& Cp1252() const { return octets_; }
  std::string Utf8() const { return Cp1252VersUtf8(octets_); }

 private:
  std::string octets_;
};

}  // namespace korvane
