#include "base/Nombres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>

namespace korvane {
namespace {

TEST(FormatReel, GeneralFormat) {
  struct Cas {
    double valeur;
    const char* texte;
  };
  const Cas cas[] = {
      {1E20, "1E20"},
      {1E-5, "1E-5"},
      {2.5E-7, "2.5E-7"},
      {0.0001, "0.0001"},
      {0.00012, "0.00012"},
      {2.5, "2.5"},
      {-2.5, "-2.5"},
      {100.0, "100"},
      {0.0, "0"},
      {123456789012345.0, "123456789012345"},  // 15 integer digits stay fixed
      {1E15, "1E15"},
      {-1E-10, "-1E-10"},
      {1.23456789012345678, "1.23456789012346"},  // the 15th digit is rounded
      {9.999999999999999, "10"},
      {-0.375, "-0.375"},
      {99999999999.875, "99999999999.875"},
      {9999999999999.875, "9999999999999.88"},  // eighths with too many digits are rounded
  };
  for (const Cas& c : cas) EXPECT_EQ(FormatReel(c.valeur, '.'), c.texte);
}

TEST(FormatReel, SixByteRealsShowTheirRounding) {
  EXPECT_EQ(FormatReel(*ArrondiReel6(0.1L), '.'), "0.100000000000023");
  EXPECT_EQ(FormatReel(*ArrondiReel6(1.0L / 3.0L), '.'), "0.333333333333485");
  EXPECT_EQ(FormatReel(*ArrondiReel6(0.5L), '.'), "0.5");
}

TEST(FormatReel, UsesTheGivenDecimalSeparator) {
  EXPECT_EQ(FormatReel(2.5, ','), "2,5");
  EXPECT_EQ(FormatReel(2.5E-7, ','), "2,5E-7");
  EXPECT_EQ(FormatReel(-12.125, ','), "-12,125");
}

TEST(ArrondiReel6, RangeLimits) {
  EXPECT_EQ(ArrondiReel6(1E-39L), 0.0);    // below 2.9E-39: becomes 0
  EXPECT_EQ(ArrondiReel6(-1E-39L), 0.0);
  EXPECT_NE(ArrondiReel6(3E-39L), 0.0);     // just above the smallest
  EXPECT_TRUE(ArrondiReel6(1.7E38L));
  EXPECT_FALSE(ArrondiReel6(1.8E38L));      // too large fails
  EXPECT_FALSE(ArrondiReel6(-1E39L));
}

// Halfway cases go to the even significand; a carry out of the top bit moves to the next power.
TEST(ArrondiReel6, RoundsHalfwayToEven) {
  const long double un = 1.0L;
  EXPECT_EQ(ArrondiReel6(un + std::ldexp(1.0L, -40)), 1.0);                        // tie, even below
  EXPECT_EQ(ArrondiReel6(un + 3 * std::ldexp(1.0L, -40)), 1.0 + std::ldexp(1.0, -38));  // tie, even above
  EXPECT_EQ(ArrondiReel6(2.0L - std::ldexp(1.0L, -45)), 2.0);                      // carry
  EXPECT_EQ(ArrondiReel6(-(un + std::ldexp(1.0L, -39) + std::ldexp(1.0L, -60))), -(1.0 + std::ldexp(1.0, -39)));
}

// Whatever the way the significand is cut, it is the nearest value with 40 significant bits.
TEST(ArrondiReel6, AgreesWithTheFortyBitGrid) {
  std::mt19937_64 alea(7);
  std::uniform_int_distribution<int> exposants(-120, 120);
  for (int i = 0; i < 20000; ++i) {
    const long double valeur =
        std::ldexp(static_cast<long double>(alea()) * (alea() % 2 ? 1 : -1), exposants(alea) - 64);
    int exposant = 0;
    const long double mantisse = std::frexp(valeur, &exposant);
    const long double attendue = std::ldexp(std::nearbyint(std::ldexp(mantisse, 40)), exposant - 40);
    ASSERT_EQ(ArrondiReel6(valeur), static_cast<double>(attendue)) << static_cast<double>(valeur);
  }
}

TEST(ArrondiReel6, KeepsFortyBitsOfSignificand) {
  const long double entier40 = 1099511627775.0L;  // 2^40 - 1 is exact
  EXPECT_EQ(*ArrondiReel6(entier40), static_cast<double>(entier40));
  EXPECT_EQ(*ArrondiReel6(entier40 * 2 + 1), 2199023255552.0);  // 41 bits round to even
}

TEST(TexteVersEntier, AcceptedAndRefusedTexts) {
  struct Cas {
    const char* texte;
    std::optional<int32_t> valeur;
  };
  const Cas cas[] = {
      {"42", 42},           {"  42", 42},         {"-7", -7},           {"+7", 7},
      {"$FF", 255},         {"$ff", 255},         {"$FFFFFFFF", -1},     {"-$10", -16},
      {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt}, {"-2147483649", std::nullopt},
      {"42 ", std::nullopt}, {"", std::nullopt},   {" ", std::nullopt},   {"-", std::nullopt},
      {"3*4", std::nullopt}, {"2.5", std::nullopt}, {"$", std::nullopt},   {"$1FFFFFFFF", std::nullopt},
      {"1e3", std::nullopt}, {"0x10", std::nullopt},
  };
  for (const Cas& c : cas) EXPECT_EQ(TexteVersEntier(c.texte), c.valeur) << '"' << c.texte << '"';
}

TEST(TexteVersReel, AcceptedAndRefusedTexts) {
  struct Cas {
    const char* texte;
    char separateur;
    std::optional<double> valeur;
  };
  const Cas cas[] = {
      {"2.5", '.', 2.5},       {" 2.5 ", '.', 2.5},     {"-2.5", '.', -2.5},   {"+3", '.', 3.0},
      {"2,5", ',', 2.5},       {"2.5", ',', std::nullopt}, {"1E3", '.', 1000.0}, {"1e-2", '.', *ArrondiReel6(0.01L)},
      {".5", '.', 0.5},        {"5.", '.', 5.0},        {"", '.', std::nullopt}, {".", '.', std::nullopt},
      {"1.5.2", '.', std::nullopt}, {"1E", '.', std::nullopt}, {"abc", '.', std::nullopt},
      {"1E39", '.', std::nullopt}, {"1E-40", '.', 0.0},  {"1E-99999", '.', 0.0}, {"1E99999", '.', std::nullopt},
  };
  for (const Cas& c : cas) EXPECT_EQ(TexteVersReel(c.texte, c.separateur), c.valeur) << '"' << c.texte << '"';
}

// Texts short enough to be converted exactly by hand round as the library's conversion does.
TEST(TexteVersReel, ShortAndLongTextsRoundAsTheLibraryDoes) {
  for (const char* texte : {"0.1", "-0.000001", "123456.789", "999999999999999999", "1234567890.12345678",
                            "0.3333333333333333333", "16777217", "-0", "00000000000000000000.5"})
    EXPECT_EQ(TexteVersReel(texte, '.'), ArrondiReel6(std::strtold(texte, nullptr))) << texte;
}

TEST(TexteVersReel, RoundsToTheSixByteReal) { EXPECT_EQ(FormatReel(*TexteVersReel("0.1", '.'), '.'), "0.100000000000023"); }

}  // namespace
}  // namespace korvane
