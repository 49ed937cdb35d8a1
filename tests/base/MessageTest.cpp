#include "base/Message.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

namespace korvane::test {
namespace {

// Core text must never pass for a literal of the source, nor the other way round.
static_assert(!std::is_convertible_v<std::string, Message>);
static_assert(!std::is_convertible_v<const char*, Message>);

TEST(Message, LiteralsAreConvertedAndCoreTextIsKeptAsItsBytes) {
  const std::string nom = "\xC9T\xC9";  // "ÉTÉ" in Windows-1252
  const Message message = Message("Répertoire ") + nom + " n'a pas été créé";
  EXPECT_EQ(message.Cp1252(), "R\xE9pertoire \xC9T\xC9 n'a pas \xE9t\xE9 cr\xE9\xE9");
  EXPECT_EQ(message.Utf8(), "Répertoire ÉTÉ n'a pas été créé");
}

}  // namespace
}  // namespace korvane::test
