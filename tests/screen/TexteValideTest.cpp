#include <gtest/gtest.h>

#include "screen/InstructionsEcran.h"

namespace korvane::test {
namespace {

TEST(TexteValide, VetsInputByKind) {
  EXPECT_TRUE(TexteValide("abc", Genre::Chaine));
  EXPECT_TRUE(TexteValide("", Genre::Chaine));
  EXPECT_FALSE(TexteValide("", Genre::Entier));
  EXPECT_TRUE(TexteValide("4x2", Genre::Entier));
  EXPECT_FALSE(TexteValide("abc", Genre::Entier));
  EXPECT_FALSE(TexteValide(",", Genre::Entier));
  EXPECT_TRUE(TexteValide(",", Genre::Reel));
  EXPECT_FALSE(TexteValide("12", Genre::Etiquette));
}

}  // namespace
}  // namespace korvane::test
