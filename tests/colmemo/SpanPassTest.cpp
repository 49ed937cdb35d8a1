#include <gtest/gtest.h>

#include "Coloring.h"
#include "colmemo/SpanPass.h"
#include "support/NomDeCas.h"

namespace colmemo::test {
namespace {

struct Run {
  std::int32_t Start, End;
  TColor Color;
  std::uint8_t Order;
  bool operator==(const Run&) const = default;
};

std::vector<Run> RunsOf(const std::vector<TKeyDescr>& Input) {
  TKeyDescrList Spans(2);
  Spans.FreeAll();
  int Index = 0;
  for (const TKeyDescr& Span : Input) Index = Spans.Put(Index, Span);
  std::vector<TCell> Cells;
  ResolvePriorities(Spans, Cells);
  BuildRuns(Spans, Cells);
  std::vector<Run> Runs;
  for (int I = 0; I < Spans.Count() && !Spans[I].IsFree(); ++I)
    Runs.push_back({Spans[I].StartPos, Spans[I].EndPos, Spans[I].Color, Spans[I].Order});
  return Runs;
}

struct PriorityCase {
  const char* Name;
  std::vector<TKeyDescr> Spans;
  std::vector<Run> Runs;
};

class PriorityTest : public ::testing::TestWithParam<PriorityCase> {};

TEST_P(PriorityTest, ResolvesIntoRuns) { EXPECT_EQ(RunsOf(GetParam().Spans), GetParam().Runs) << GetParam().Name; }

INSTANTIATE_TEST_SUITE_P(
    Cases, PriorityTest,
    ::testing::Values(
        PriorityCase{"higher order wins", {{10, 19, clRed, 5, 0}, {12, 14, clBlue, 1, 0}}, {{10, 19, clRed, 5}}},
        PriorityCase{"later wins at equal order",
                     {{10, 19, clRed, 0, 0}, {12, 14, clBlue, 0, 0}},
                     {{10, 11, clRed, 0}, {12, 14, clBlue, 0}, {15, 19, clRed, 0}}},
        PriorityCase{"higher order applied later",
                     {{12, 14, clBlue, 1, 0}, {10, 19, clRed, 5, 0}},
                     {{10, 19, clRed, 5}}},
        PriorityCase{"gaps split runs", {{0, 1, clRed, 0, 0}, {3, 4, clRed, 0, 0}}, {{0, 1, clRed, 0}, {3, 4, clRed, 0}}},
        PriorityCase{"adjacent equal spans merge", {{0, 1, clRed, 0, 0}, {2, 4, clRed, 0, 0}}, {{0, 4, clRed, 0}}},
        PriorityCase{"order alone splits", {{0, 1, clRed, 0, 0}, {2, 4, clRed, 1, 0}}, {{0, 1, clRed, 0}, {2, 4, clRed, 1}}},
        PriorityCase{"empty and endless spans are skipped",
                     {{5, 4, clRed, 0, 0}, {7, NoPos, clBlue, 0, 0}, {8, 8, clLime, 0, 0}},
                     {{8, 8, clLime, 0}}},
        PriorityCase{"order is compared unsigned",
                     {{0, 3, clRed, 255, 0}, {0, 3, clBlue, 200, 0}},
                     {{0, 3, clRed, 255}}},
        PriorityCase{"nothing", {}, {}}),
    [](const auto& Info) { return korvane::test::NomDeCas(Info.index, Info.param.Name); });

TEST(BuildRuns, FreesTheRecordAfterTheLastRun) {
  TKeyDescrList Spans(5);
  Spans.FreeAll();
  int Index = 0;
  for (int I = 0; I < 4; ++I) Index = Spans.Put(Index, {I * 2, I * 2, clRed, 0, 0});
  std::vector<TCell> Cells;
  ResolvePriorities(Spans, Cells);
  BuildRuns(Spans, Cells);
  EXPECT_EQ(Spans.Count(), 5);
  EXPECT_FALSE(Spans[3].IsFree());
  EXPECT_TRUE(Spans[4].IsFree());
}

TEST(ResolvePriorities, CellBufferOnlyGrows) {
  std::vector<TCell> Cells;
  TKeyDescrList Spans;
  Spans.Put(0, {100, 199, clRed, 0, 0});
  ResolvePriorities(Spans, Cells);
  EXPECT_EQ(Cells.size(), 101u);
  Spans.FreeAll();
  Spans.Put(0, {0, 9, clRed, 0, 0});
  ResolvePriorities(Spans, Cells);
  EXPECT_EQ(Cells.size(), 101u);
}

const std::vector<std::pair<char, TColor>> Legend{
    {'m', clWindow}, {'h', clBlue}, {'t', clWindowText}, {'s', clRed}, {'k', clGreen}};

std::string PassMap(TPassInput Input, TDrawRules& Rules) {
  // Selection and tabs are never drawn; show them apart from what is.
  TKeyDescrList Spans(4);
  std::vector<TCell> Cells;
  ColorPass(Rules, Input, Spans, Cells);
  std::string Map(Input.Text.size(), '.');
  for (int I = 0; I < Spans.Count() && !Spans[I].IsFree(); ++I) {
    char Letter = '?';
    switch (Spans[I].Order) {
      case OrderTab: Letter = 'T'; break;
      case OrderSelection: Letter = 'S'; break;
      case OrderHotSpotMarker: Letter = 'M'; break;
      case OrderHotSpotText: Letter = 'H'; break;
      default:
        for (const auto& [Key, Color] : Legend)
          if (Color == Spans[I].Color) Letter = Key;
    }
    for (int C = Spans[I].StartPos; C <= Spans[I].EndPos; ++C) Map[static_cast<std::size_t>(C - Input.Origin)] = Letter;
  }
  return Map;
}

TDrawRules& GreenPrint(TDrawRules& Rules) {
  TColorRule& Rule = Rules.Add();
  Rule.KeyDrawingType = dtKeyShow;
  Rule.DefKeyColor = clGreen;
  Rule.SetKeywords({u"PRINT"});
  return Rules;
}

TEST(ColorPass, HotSpotsMarkersTextAndUnclosedOpeners) {
  TDrawRules Rules;
  TPassInput Input;
  const std::u16string Text = u"a\x1e" u"go\x1f b \x1e\x1f c\x1ex";
  Input.Text = Text;
  Input.HotSpot.Active = true;
  EXPECT_EQ(PassMap(Input, Rules), ".MHHM...MM....");
  Input.HotSpot.Active = false;
  EXPECT_EQ(PassMap(Input, Rules), "..............");
  Input.HotSpot.Active = true;
  Input.HotSpot.BeginChar = 0;
  EXPECT_EQ(PassMap(Input, Rules), "..............");
}

TEST(ColorPass, KeywordHalfInsideTheSelectionIsColouredOutsideIt) {
  TDrawRules Rules;
  GreenPrint(Rules);
  const std::u16string Text = u"PRINT x";
  TPassInput Input;
  Input.Text = Text;
  Input.SelStart = 3;
  Input.SelLength = 3;
  EXPECT_EQ(PassMap(Input, Rules), "kkkSSS.");
}

TEST(ColorPass, TabsAreProtectedOnlyWhenTheMemoAcceptsThem) {
  TDrawRules Rules;
  TColorRule& Rule = Rules.Add();
  Rule.KeyDrawingType = dtBeginLineEnd;
  Rule.DefKeyColor = clGreen;
  Rule.SetKeyLineEndLst({u"'"});
  const std::u16string Text = u"'\ta\tb";
  TPassInput Input;
  Input.Text = Text;
  EXPECT_EQ(PassMap(Input, Rules), "kTkTk");
  Input.AcceptsTabs = false;
  EXPECT_EQ(PassMap(Input, Rules), "kkkkk");
}

TEST(ColorPass, CaretLineSpanRepaintsUpToTheCaretBeneathTheRules) {
  TDrawRules Rules;
  GreenPrint(Rules);
  const std::u16string Text = u"x\nab PRINT cd\ny";
  TPassInput Input;
  Input.Text = Text;
  Input.RedrawAlways = true;
  Input.CaretLineStart = 2;
  Input.SelStart = 12;
  EXPECT_EQ(PassMap(Input, Rules), "..tttkkkkkttt..");
}

TEST(ColorPass, SpansAreAbsoluteAndClippedToTheScannedText) {
  TDrawRules Rules;
  GreenPrint(Rules);
  const std::u16string Text = u"PRINT PRINT";
  TPassInput Input;
  Input.Text = Text;
  Input.Origin = 1000;
  Input.SelStart = 0;
  Input.SelLength = 1003;
  TKeyDescrList Spans;
  std::vector<TCell> Cells;
  ColorPass(Rules, Input, Spans, Cells);
  EXPECT_EQ(Spans.SpanMin, 1000);
  EXPECT_EQ(Spans.SpanMax, 1010);
  EXPECT_LE(Cells.size(), 12u);
  EXPECT_EQ(PassMap(Input, Rules), "SSSkk.kkkkk");
}

TEST(ColorPass, RuleAtOrder254HidesItsSpansAndMasksLowerOnes) {
  TDrawRules Rules;
  GreenPrint(Rules);
  TColorRule& Mask = Rules.Add();
  Mask.KeyDrawingType = dtBeginLineEnd;
  Mask.ZOrder = OrderSelection;
  Mask.SetKeyLineEndLst({u"#"});
  const std::u16string Text = u"PRINT #PRINT";
  TPassInput Input;
  Input.Text = Text;
  EXPECT_EQ(PassMap(Input, Rules), "kkkkk.SSSSSS");
}

}  // namespace
}  // namespace colmemo::test
