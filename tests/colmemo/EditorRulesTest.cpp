#include <gtest/gtest.h>

#include "Coloring.h"
#include "colmemo/EditorRules.h"
#include "support/NomDeCas.h"

namespace colmemo::test {
namespace {

struct EditorCase {
  const char* Text;
  const char* Map;  // g grey, b blue, m maroon, . text colour
};

class EditorRulesTest : public ::testing::TestWithParam<EditorCase> {};

TEST_P(EditorRulesTest, ShowsTheEditorsColours) {
  TDrawRules Rules;
  SetEditorColorRules(Rules);
  const auto Colors = ColorsAfterPass(Rules, U(GetParam().Text));
  EXPECT_EQ(ColorMap(Colors, {{'g', clGray}, {'b', clBlue}, {'m', clMaroon}}), GetParam().Map) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EditorRulesTest,
    ::testing::Values(EditorCase{"' PRINT x", "ggbbbbbgg"}, EditorCase{"rem note", "bbbggggg"},
                      EditorCase{"REM note", "bbb....."}, EditorCase{"STRING$", "mmmmmmb"},
                      EditorCase{"DIM A AS INTEGER", "mmm...mm.mmmmmmm"},
                      EditorCase{"print \"premier\"", "bbbbb...ggggggg"},
                      EditorCase{"LINE INPUT# 1, A$", "bbbbbbbbbbb......"},
                      EditorCase{"END SUB", "bbbbbbb"}, EditorCase{"A$ = LEFT$(B$, 2)", ".....bbbbb......."},
                      EditorCase{"PRINTER", "......."}, EditorCase{"x = 1 ' fin\nGOTO x", "......ggggg.bbbb.."}),
    [](const auto& Info) { return korvane::test::NomDeCas(Info.index, Info.param.Text); });

TEST(EditorRules, ThreeRulesInOrder) {
  TDrawRules Rules;
  Rules.Add();
  SetEditorColorRules(Rules);
  ASSERT_EQ(Rules.Count(), 3);
  EXPECT_EQ(Rules[0].KeyDrawingType, dtBeginLineEnd);
  EXPECT_EQ(Rules[0].DefKeyColor, clGray);
  EXPECT_EQ(Rules[1].KeyDrawingType, dtKeyShow);
  EXPECT_EQ(Rules[1].Keywords().size(), 64u);
  EXPECT_EQ(Rules[1].DefKeyColor, clBlue);
  EXPECT_EQ(Rules[2].KeyDrawingType, dtKeyShow);
  EXPECT_EQ(Rules[2].DefKeyColor, clMaroon);
  for (int I = 0; I < 3; ++I) {
    EXPECT_EQ(Rules[I].ZOrder, 0);
    EXPECT_EQ(Rules[I].KeyMaxHeight, 1);
    EXPECT_FALSE(Rules[I].KeyCase);
  }
}

}  // namespace
}  // namespace colmemo::test
