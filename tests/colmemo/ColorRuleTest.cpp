#include <gtest/gtest.h>

#include <functional>

#include "Coloring.h"
#include "colmemo/DrawRules.h"
#include "support/NomDeCas.h"

namespace colmemo::test {
namespace {

constexpr TColor K = clBlue;

TColorRule& KeywordRule(TDrawRules& Rules, const TStringList& Keywords, bool KeyCase = false, bool PartWord = false) {
  TColorRule& Rule = Rules.Add();
  Rule.KeyDrawingType = dtKeyShow;
  Rule.DefKeyColor = K;
  Rule.KeyCase = KeyCase;
  Rule.PartWord = PartWord;
  Rule.SetKeywords(Keywords);
  return Rule;
}

std::string KeywordMap(const TStringList& Keywords, const std::string& Text, bool KeyCase = false,
                       bool PartWord = false) {
  TDrawRules Rules;
  KeywordRule(Rules, Keywords, KeyCase, PartWord);
  return ColorMap(ColorsAfterPass(Rules, U(Text)), {{'k', K}});
}

TEST(TColorRule, StartsWithItsPublishedDefaults) {
  const TColorRule Rule;
  EXPECT_EQ(Rule.ZOrder, 0);
  EXPECT_TRUE(Rule.IntChar.empty());
  EXPECT_TRUE(Rule.Keywords().empty());
  EXPECT_TRUE(Rule.KeyBegEndLst().empty());
  EXPECT_TRUE(Rule.KeyLineEndLst().empty());
  EXPECT_EQ(Rule.KeyMaxHeight, 1);
  EXPECT_EQ(Rule.KeyDrawingType, dtBeginEnd);
  EXPECT_FALSE(Rule.KeyCase);
  EXPECT_TRUE(Rule.Enabled);
  EXPECT_FALSE(Rule.PartWord);
  EXPECT_EQ(Rule.DefKeyColor, clRed);
  EXPECT_EQ(Rule.KeySelColor, clYellow);
  EXPECT_EQ(Rule.KeyBrushColor, clWindow);
  EXPECT_TRUE(Rule.Markers().empty());
}

struct WordCase {
  const char* Text;
  const char* Map;
};

class WholeWordTest : public ::testing::TestWithParam<WordCase> {};

TEST_P(WholeWordTest, ColoursOnlyWholeWords) {
  EXPECT_EQ(KeywordMap({u"PRINT"}, GetParam().Text), GetParam().Map) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, WholeWordTest,
    ::testing::Values(WordCase{"PRINT", "kkkkk"}, WordCase{"PRINTER", "......."}, WordCase{"LPRINT", "......"},
                      WordCase{"PRINT1", "kkkkk."}, WordCase{"PRINT_X", "kkkkk.."}, WordCase{"@PRINT", "......"},
                      WordCase{"PRINT@", "......"}, WordCase{"$PRINT#", ".kkkkk."},
                      WordCase{"\xe9PRINT", ".kkkkk"}, WordCase{"a PRINT b", "..kkkkk.."},
                      WordCase{"PRINT PRINT", "kkkkk.kkkkk"}, WordCase{"[PRINT`", ".kkkkk."},
                      WordCase{"ZPRINT", "......"}, WordCase{"zPRINT{", "......."}),
    [](const auto& Info) { return korvane::test::NomDeCas(Info.index, Info.param.Text); });

struct CaseCase {
  const char* Keyword;
  const char* Text;
  bool KeyCase;
  const char* Map;
};

class KeywordCaseTest : public ::testing::TestWithParam<CaseCase> {};

TEST_P(KeywordCaseTest, FollowsKeyCase) {
  const CaseCase& Case = GetParam();
  EXPECT_EQ(KeywordMap({U(Case.Keyword)}, Case.Text, Case.KeyCase), Case.Map) << Case.Text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeywordCaseTest,
    ::testing::Values(CaseCase{"PRINT", "print Print PRINT", false, "kkkkk.kkkkk.kkkkk"},
                      CaseCase{"print", "print Print PRINT", false, "kkkkk.kkkkk.kkkkk"},
                      CaseCase{"PRINT", "print Print PRINT", true, "............kkkkk"},
                      CaseCase{"Print", "print Print PRINT", true, "......kkkkk......"},
                      CaseCase{"\xe9t\xe9", "\xc9T\xc9 \xe9T\xe9", false, "....kkk"}),
    [](const auto& Info) {
      const std::string Name = std::string(Info.param.Keyword) + (Info.param.KeyCase ? " KeyCase" : "");
      return korvane::test::NomDeCas(Info.index, Name);
    });

TEST(TColorRule, MultiWordKeywordsNeedExactlyOneBlank) {
  EXPECT_EQ(KeywordMap({u"END SUB"}, "END SUB END  SUB"), "kkkkkkk.........");
  EXPECT_EQ(KeywordMap({u"END SUB", u"END", u"SUB"}, "END SUB END  SUB"), "kkkkkkk.kkk..kkk");
}

TEST(TColorRule, PartWordMatchesInsideWords) {
  EXPECT_EQ(KeywordMap({u"PRINT"}, "LPRINTER", false, true), ".kkkkk..");
}

TEST(TColorRule, OccurrencesDoNotOverlapTheirOwnSearch) {
  EXPECT_EQ(KeywordMap({u"AA"}, "AAA", false, true), "kk.");
}

TEST(TColorRule, KeywordListLinesCarryTheirColours) {
  TDrawRules Rules;
  KeywordRule(Rules, {u"  IF ; Green ", u"THEN;", u"", u"   ", u";Red", u"ELSE;#FF0000", u"GOTO;clBlue"});
  const auto Map = ColorMap(ColorsAfterPass(Rules, u"IF THEN ELSE GOTO"),
                            {{'g', clGreen}, {'k', K}, {'r', clRed}, {'w', clWhite}});
  EXPECT_EQ(Map, "gg.kkkk.rrrr.wwww");
  ASSERT_EQ(Rules[0].KeyPack().size(), 4u);
  EXPECT_EQ(Rules[0].KeyColorCount(), 4);
}

TEST(TColorRule, FortySecondColourBorrowsThePreviousKeywordsColour) {
  TStringList Keywords;
  std::u16string Text;
  for (int I = 1; I <= 43; ++I) {
    const std::u16string Key = U("K" + std::to_string(I));
    Keywords.push_back(Key + u";$" + U(std::to_string(I)));
    Text += Key + u" ";
  }
  TDrawRules Rules;
  KeywordRule(Rules, Keywords);
  EXPECT_EQ(Rules[0].KeyColorCount(), TColorRule::MaxKeyColors);
  const auto Colors = ColorsAfterPass(Rules, Text);
  auto ColorOf = [&](int I) { return Colors[Text.find(U("K" + std::to_string(I) + " "))]; };
  EXPECT_EQ(ColorOf(41), ParseColor(u"$41"));
  EXPECT_EQ(ColorOf(42), ParseColor(u"$41"));
  EXPECT_EQ(ColorOf(43), ParseColor(u"$41"));
  EXPECT_EQ(ColorOf(3), ParseColor(u"$3"));
}

TEST(TColorRule, ReusedColoursDoNotCountTwice) {
  TStringList Keywords;
  for (int I = 0; I < 60; ++I) Keywords.push_back(U("W" + std::to_string(I) + (I % 2 ? ";Red" : ";Blue")));
  TDrawRules Rules;
  KeywordRule(Rules, Keywords);
  EXPECT_EQ(Rules[0].KeyColorCount(), 2);
}

struct MarkerCase {
  const char* Line;
  const char* BeginKey;
  const char* EndKey;
  TColor Color;
};

class BeginEndParseTest : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(BeginEndParseTest, FillsTheFirstEntry) {
  TColorRule Rule;
  Rule.SetKeyBegEndLst({U(GetParam().Line)});
  ASSERT_EQ(Rule.Markers().size(), 40u);
  EXPECT_EQ(Rule.Markers()[0].BeginKey, U(GetParam().BeginKey)) << GetParam().Line;
  EXPECT_EQ(Rule.Markers()[0].EndKey, U(GetParam().EndKey)) << GetParam().Line;
  if (*GetParam().BeginKey) {
    EXPECT_EQ(Rule.Markers()[0].Color, GetParam().Color) << GetParam().Line;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BeginEndParseTest,
    ::testing::Values(MarkerCase{"(*;*)", "(*", "*)", clRed}, MarkerCase{"{;};Blue", "{", "}", clBlue},
                      MarkerCase{"BEGIN123;END4567;Green", "BEGIN1", "END456", clGreen},
                      MarkerCase{" a ; b ", " a ", " b ", clRed}, MarkerCase{";x", "", "", 0},
                      MarkerCase{"nothing", "", "", 0}, MarkerCase{"\";\";#00FF00", "\"", "\"", clLime},
                      MarkerCase{"a;b; ", "a", "b", clRed}),
    [](const auto& Info) { return korvane::test::NomDeCas(Info.index, Info.param.Line); });

class LineEndParseTest : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(LineEndParseTest, FillsTheFirstEntry) {
  TColorRule Rule;
  Rule.SetKeyLineEndLst({U(GetParam().Line)});
  ASSERT_EQ(Rule.Markers().size(), 40u);
  EXPECT_EQ(Rule.Markers()[0].BeginKey, U(GetParam().BeginKey)) << GetParam().Line;
  EXPECT_TRUE(Rule.Markers()[0].EndKey.empty());
  EXPECT_EQ(Rule.Markers()[0].Color, GetParam().Color) << GetParam().Line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineEndParseTest,
    ::testing::Values(MarkerCase{"'", "'", "", clRed}, MarkerCase{"rem;Gray", "rem", "", clGray},
                      MarkerCase{";;Gray", ";", "", clGray}, MarkerCase{";x", ";x", "", clRed},
                      MarkerCase{"//;Navy;x", "//", "", clWhite}, MarkerCase{"LONGMARKER", "LONGMA", "", clRed},
                      MarkerCase{";", ";", "", clRed}),
    [](const auto& Info) { return korvane::test::NomDeCas(Info.index, Info.param.Line); });

TEST(TColorRule, MarkerTablesHoldFortyEntries) {
  TStringList Lines;
  for (int I = 0; I < 45; ++I) Lines.push_back(U("m" + std::to_string(I)));
  TColorRule Rule;
  Rule.SetKeyLineEndLst(Lines);
  ASSERT_EQ(Rule.Markers().size(), 40u);
  EXPECT_EQ(Rule.Markers()[39].BeginKey, u"m39");
  EXPECT_EQ(Rule.KeyLineEndLst().size(), 45u);
}

TColorRule& LineEndRule(TDrawRules& Rules, const TStringList& Markers) {
  TColorRule& Rule = Rules.Add();
  Rule.KeyDrawingType = dtBeginLineEnd;
  Rule.DefKeyColor = clGray;
  Rule.SetKeyLineEndLst(Markers);
  return Rule;
}

TEST(TColorRule, LineEndMarkersAreCaseSensitiveAndNotWordBound) {
  TDrawRules Rules;
  LineEndRule(Rules, {u"rem"});
  EXPECT_EQ(ColorMap(ColorsAfterPass(Rules, u"REM x\npremier pas\nx"), {{'g', clGray}}), ".......gggggggggg..");
}

TEST(TColorRule, LineEndSpanStopsAtTheLineBreakOrTheCut) {
  TDrawRules Rules;
  LineEndRule(Rules, {u"'", u"//;Blue"});
  const auto Map = ColorMap(ColorsAfterPass(Rules, u"a 'b // c\n// 'd\nx '"), {{'g', clGray}, {'b', clBlue}});
  EXPECT_EQ(Map, "..ggggggg.bbbbb...g");
}

TEST(TColorRule, EarlierEntryWinsAtTheSamePosition) {
  TDrawRules Rules;
  LineEndRule(Rules, {u"/;Green", u"//;Blue"});
  EXPECT_EQ(ColorMap(ColorsAfterPass(Rules, u"x//y"), {{'g', clGreen}, {'b', clBlue}}), ".ggg");
}

TColorRule& BeginEndRule(TDrawRules& Rules, const TStringList& Pairs) {
  TColorRule& Rule = Rules.Add();
  Rule.KeyDrawingType = dtBeginEnd;
  Rule.DefKeyColor = clGreen;
  Rule.SetKeyBegEndLst(Pairs);
  return Rule;
}

TEST(TColorRule, BeginEndPairsColourFromBeginToEnd) {
  TDrawRules Rules;
  BeginEndRule(Rules, {u"(*;*)", u"\";\";Blue"});
  const auto Map = ColorMap(ColorsAfterPass(Rules, u"a (* b\n c *) \"s\" (**)"), {{'g', clGreen}, {'b', clBlue}});
  EXPECT_EQ(Map, "..gggggggggg.bbb.gggg");
}

TEST(TColorRule, UnterminatedPairEndsTheRulesSearch) {
  TDrawRules Rules;
  BeginEndRule(Rules, {u"{;}", u"<;>"});
  const auto Map = ColorMap(ColorsAfterPass(Rules, u"{a} <b {c} d"), {{'g', clGreen}});
  EXPECT_EQ(Map, "ggg.........");
}

TEST(TColorRule, EndMarkerIsSearchedAfterTheBeginMarkersFirstCharacter) {
  TDrawRules Rules;
  BeginEndRule(Rules, {u"\";\""});
  EXPECT_EQ(ColorMap(ColorsAfterPass(Rules, u"\"\" \"x"), {{'g', clGreen}}), "gg...");
}

TEST(TColorRule, DisabledRuleProducesNothing) {
  TDrawRules Rules;
  KeywordRule(Rules, {u"PRINT"}).Enabled = false;
  EXPECT_EQ(ColorMap(ColorsAfterPass(Rules, u"PRINT"), {{'k', K}}), ".....");
}

TEST(TColorRule, AssignCopiesTheRuleButNotIntCharNorKeySelColor) {
  TColorRule Source;
  Source.KeyDrawingType = dtKeyShow;
  Source.ZOrder = 7;
  Source.KeyMaxHeight = 3;
  Source.KeyCase = true;
  Source.Enabled = false;
  Source.PartWord = true;
  Source.DefKeyColor = clTeal;
  Source.KeyBrushColor = clAqua;
  Source.IntChar = u"x";
  Source.KeySelColor = clLime;
  Source.SetKeywords({u"Abc"});
  Source.SetKeyBegEndLst({u"<;>"});
  Source.SetKeyLineEndLst({u"'"});
  TColorRule Copy;
  Copy.Assign(Source);
  EXPECT_EQ(Copy.KeyDrawingType, dtKeyShow);
  EXPECT_EQ(Copy.ZOrder, 7);
  EXPECT_EQ(Copy.KeyMaxHeight, 3);
  EXPECT_TRUE(Copy.KeyCase);
  EXPECT_FALSE(Copy.Enabled);
  EXPECT_TRUE(Copy.PartWord);
  EXPECT_EQ(Copy.DefKeyColor, clTeal);
  EXPECT_EQ(Copy.KeyBrushColor, clAqua);
  EXPECT_TRUE(Copy.IntChar.empty());
  EXPECT_EQ(Copy.KeySelColor, clYellow);
  EXPECT_EQ(Copy.Keywords(), TStringList{u"Abc"});
  ASSERT_EQ(Copy.KeyPack().size(), 1u);
  EXPECT_EQ(Copy.KeyPack()[0].Key, u"Abc");
  EXPECT_EQ(Copy.KeyBegEndLst(), TStringList{u"<;>"});
  EXPECT_EQ(Copy.KeyLineEndLst(), TStringList{u"'"});
  // The begin/end list was written last, so its markers are in the table.
  EXPECT_EQ(Copy.Markers()[0].BeginKey, u"<");
}

TEST(TDrawRules, PreparesOnEverySecondPass) {
  TDrawRules Rules;
  TColorRule& Rule = Rules.Add();
  Rule.KeyDrawingType = dtKeyShow;
  Rule.Keywords().push_back(u"PRINT");  // bypasses the writer
  EXPECT_TRUE(Rules.NeedsPrepare);
  EXPECT_EQ(ColorMap(ColorsAfterPass(Rules, u"PRINT"), {{'r', clRed}}), "rrrrr");
  EXPECT_FALSE(Rules.NeedsPrepare);
  Rule.Keywords().push_back(u"GOTO");
  EXPECT_EQ(ColorMap(ColorsAfterPass(Rules, u"GOTO"), {{'r', clRed}}), "....");
  EXPECT_TRUE(Rules.NeedsPrepare);
  EXPECT_EQ(ColorMap(ColorsAfterPass(Rules, u"GOTO"), {{'r', clRed}}), "rrrr");
}

TEST(TDrawRules, StaysUnpreparedWhileNoRuleHasContent) {
  TDrawRules Rules;
  Rules.Add().KeyDrawingType = dtKeyShow;
  Rules.PrepareRules();
  EXPECT_TRUE(Rules.NeedsPrepare);
}

TEST(TDrawRules, AssignCopiesEveryRule) {
  TDrawRules Source;
  KeywordRule(Source, {u"A"});
  LineEndRule(Source, {u"'"});
  TDrawRules Copy;
  Copy.Add();
  Copy.Assign(Source);
  ASSERT_EQ(Copy.Count(), 2);
  EXPECT_EQ(Copy[0].KeyDrawingType, dtKeyShow);
  EXPECT_EQ(Copy[1].KeyLineEndLst(), TStringList{u"'"});
  EXPECT_EQ(Copy[1].Collection(), &Copy);
}

// A memo reduced to its OnDraw handler.
struct TDrawSource : TEventDrawSource {
  std::function<void(const TColorRule&, std::u16string_view, std::span<TKeyDescr>, int&)> OnDraw;
  void DoDraw(const TColorRule& Sender, std::u16string_view FromPos, std::span<TKeyDescr> A,
              int& ItemsCount) override {
    OnDraw(Sender, FromPos, A, ItemsCount);
  }
};

TEST(TColorRule, EventDrawRuleTakesTheHandlersSpans) {
  TDrawSource Memo;
  TDrawRules Rules(&Memo);
  TColorRule& Rule = Rules.Add();
  Rule.KeyDrawingType = dtEventDraw;
  Rule.ZOrder = 3;
  std::u16string Seen;
  Memo.OnDraw = [&](const TColorRule& Sender, std::u16string_view FromPos, std::span<TKeyDescr> A, int& Count) {
    EXPECT_EQ(&Sender, &Rule);
    Seen = FromPos;
    A[0] = {1, 2, clLime, 0, 0};
    A[1] = {4, 4, clNavy, 9, 0};
    A[2] = {5, 99, clTeal, 0, 0};  // reaches past the scanned text
    Count = 5;                     // more than the array holds
  };
  TKeyDescrList Spans;
  EXPECT_EQ(Rule.FindSpans(0, u"abcdef", 100, Spans), 0);  // no array yet
  Memo.SetColorLimMax(3);
  ASSERT_EQ(Rule.FindSpans(0, u"abcdef", 100, Spans), 3);
  EXPECT_EQ(Seen, u"abcdef");
  EXPECT_EQ(Spans[0].StartPos, 101);
  EXPECT_EQ(Spans[0].EndPos, 102);
  EXPECT_EQ(Spans[0].Order, 3);
  EXPECT_EQ(Spans[1].Order, 9);
  EXPECT_EQ(Spans[2].EndPos, 105);
  EXPECT_EQ(Spans.SpanMin, 101);
  EXPECT_EQ(Spans.SpanMax, 105);
}

}  // namespace
}  // namespace colmemo::test
