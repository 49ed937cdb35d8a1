#include "base/Texte.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(Texte, UpperCaseTouchesAsciiLettersOnly) {
  EXPECT_EQ(Majuscules("print x$"), "PRINT X$");
  EXPECT_EQ(Majuscules(std::string("a\xe9z")), std::string("A\xe9Z"));
}

TEST(Texte, TrimRemovesCodesZeroTo32) {
  EXPECT_EQ(Trim(std::string("\x01\t  abc \x1f\r\n", 11)), "abc");
  EXPECT_EQ(Trim(std::string("\0 a b \0", 7)), "a b");
  EXPECT_EQ(Trim("   "), "");
}

TEST(Texte, CopieAndPositionFollowOneBasedCounting) {
  EXPECT_EQ(Copie("ABCDEF", 2, 3), "BCD");
  EXPECT_EQ(Copie("ABCDEF", 5, 255), "EF");
  EXPECT_EQ(Copie("ABCDEF", 7, 1), "");
  EXPECT_EQ(Position("CD", "ABCDEF"), 3u);
  EXPECT_EQ(Position("X", "ABCDEF"), 0u);
}

TEST(Texte, Windows1252RoundTripsThroughUtf8) {
  std::string tous;
  for (int c = 1; c < 256; ++c) tous += static_cast<char>(c);
  const std::string utf8 = Cp1252VersUtf8(tous);
  EXPECT_TRUE(EstUtf8Valide(utf8));
  bool perte = true;
  EXPECT_EQ(Utf8VersCp1252(utf8, &perte), tous);
  EXPECT_FALSE(perte);
  EXPECT_EQ(Cp1252VersUtf8("\x80\xBB\x95"), "€»•");
}

TEST(Texte, CharactersOutsideWindows1252AreReported) {
  bool perte = false;
  EXPECT_EQ(Utf8VersCp1252("a\u4e2db", &perte), "a?b");
  EXPECT_TRUE(perte);
}

TEST(Texte, InvalidUtf8IsDetected) {
  EXPECT_FALSE(EstUtf8Valide("\xe9t\xe9"));
  EXPECT_FALSE(EstUtf8Valide("\xC0\xAF"));     // overlong
  EXPECT_FALSE(EstUtf8Valide("\xED\xA0\x80"));  // surrogate
  EXPECT_TRUE(EstUtf8Valide("été"));
}

}  // namespace
}  // namespace korvane
