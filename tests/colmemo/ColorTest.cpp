#include <gtest/gtest.h>

#include "Coloring.h"
#include "colmemo/Color.h"
#include "support/NomDeCas.h"

namespace colmemo::test {
namespace {

struct ColorCase {
  const char* Text;
  TColor Expected;
};

class ParseColorTest : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ParseColorTest, GivesTheColour) {
  EXPECT_EQ(ParseColor(U(GetParam().Text)), GetParam().Expected) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(
    Names, ParseColorTest,
    ::testing::Values(ColorCase{"Black", 0x000000}, ColorCase{"maroon", 0x000080}, ColorCase{"GREEN", 0x008000},
                      ColorCase{"Olive", 0x008080}, ColorCase{"Navy", 0x800000}, ColorCase{"Purple", 0x800080},
                      ColorCase{"Teal", 0x808000}, ColorCase{"Gray", 0x808080}, ColorCase{"Silver", 0xC0C0C0},
                      ColorCase{"Red", 0x0000FF}, ColorCase{"Lime", 0x00FF00}, ColorCase{"Yellow", 0x00FFFF},
                      ColorCase{"Blue", 0xFF0000}, ColorCase{"Fuchsia", 0xFF00FF}, ColorCase{"Aqua", 0xFFFF00},
                      ColorCase{"White", 0xFFFFFF}, ColorCase{"  blue \t", 0xFF0000}),
    [](const auto& Info) { return korvane::test::NomDeCas(Info.index, Info.param.Text); });

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, ParseColorTest,
    ::testing::Values(ColorCase{"#FF0000", 0x0000FF}, ColorCase{"#0000FF", 0xFF0000}, ColorCase{"#123456", 0x563412},
                      ColorCase{"$00FF00", 0x00FF00}, ColorCase{"123456", 0x563412}, ColorCase{"#abcdef", 0xEFCDAB},
                      ColorCase{"$FF123456", 0x563412}, ColorCase{"7", 0x070000}),
    [](const auto& Info) { return korvane::test::NomDeCas(Info.index, Info.param.Text); });

INSTANTIATE_TEST_SUITE_P(
    Unreadable, ParseColorTest,
    ::testing::Values(ColorCase{"clBlue", 0xFFFFFF}, ColorCase{"", 0xFFFFFF}, ColorCase{"#", 0xFFFFFF},
                      ColorCase{"#GG0000", 0xFFFFFF}, ColorCase{"12$34", 0xFFFFFF},
                      ColorCase{"#123456789", 0xFFFFFF}, ColorCase{"BlueBlueBlue", 0xFFFFFF}),
    [](const auto& Info) { return korvane::test::NomDeCas(Info.index, Info.param.Text); });

TEST(ParseColor, ReadsOnlyTheFirstTenCharacters) {
  // Cut to "$0000FF000", read as $0FF000.
  EXPECT_EQ(ParseColor(u"#0000FF0000FF"), 0x00F00Fu);
  EXPECT_EQ(ParseColor(u"  $0000FF0000  "), 0x00F00Fu);
}

}  // namespace
}  // namespace colmemo::test
