#include "colmemo/ColorRule.h"

#include <algorithm>

#include "colmemo/DrawRules.h"

namespace colmemo {

namespace {

constexpr std::int32_t NotSearched = -2;
constexpr std::int32_t NotFound = -1;
constexpr auto npos = std::u16string_view::npos;

// The sign of code 64 counts as a letter, so "@PRINT" holds no keyword.
bool IsLetter(char16_t C) { return (C >= 64 && C <= 90) || (C >= 97 && C <= 122); }

bool IsWholeWord(std::u16string_view Text, std::size_t At, std::size_t Length) {
  const bool LetterBefore = At > 0 && IsLetter(Text[At - 1]);
  const bool LetterAfter = At + Length < Text.size() && IsLetter(Text[At + Length]);
  return !LetterBefore && !LetterAfter;
}

std::u16string FirstKeyChars(std::u16string_view Text) {
  return std::u16string(Text.substr(0, TKeyMarker::MaxKeyLength));
}

}  // namespace

TColorRule::TColorRule(TDrawRules* Collection) : FCollection(Collection) {}

TColor TColorRule::KeyColor(int ColorIndex) const {
  if (ColorIndex < 1 || ColorIndex > MaxKeyColors) return 0;
  return FKeyColors[static_cast<std::size_t>(ColorIndex - 1)];
}

TColor TColorRule::ColorPart(std::u16string_view Text) const {
  return Trim(Text).empty() ? DefKeyColor : ParseColor(Text);
}

void TColorRule::SetKeywords(const TStringList& List) {
  ParseKeywords(List);
  if (&List != &FKeywords) FKeywords = List;
}

void TColorRule::SetKeyBegEndLst(const TStringList& List) {
  ParseBeginEnd(List);
  if (&List != &FKeyBegEndLst) FKeyBegEndLst = List;
}

void TColorRule::SetKeyLineEndLst(const TStringList& List) {
  ParseLineEnd(List);
  if (&List != &FKeyLineEndLst) FKeyLineEndLst = List;
}

void TColorRule::Assign(const TColorRule& Source) {
  if (&Source == this) return;
  KeyDrawingType = Source.KeyDrawingType;
  ZOrder = Source.ZOrder;
  KeyMaxHeight = Source.KeyMaxHeight;
  KeyCase = Source.KeyCase;
  Enabled = Source.Enabled;
  PartWord = Source.PartWord;
  DefKeyColor = Source.DefKeyColor;
  KeyBrushColor = Source.KeyBrushColor;
  SetKeywords(Source.FKeywords);
  SetKeyLineEndLst(Source.FKeyLineEndLst);
  SetKeyBegEndLst(Source.FKeyBegEndLst);
}

std::uint8_t TColorRule::ColorIndexFor(TColor Color) {
  for (int I = 0; I < FColorCount; ++I)
    if (FKeyColors[static_cast<std::size_t>(I)] == Color) return static_cast<std::uint8_t>(I + 1);
  if (FColorCount < MaxKeyColors) {
    FKeyColors[static_cast<std::size_t>(FColorCount++)] = Color;
    return static_cast<std::uint8_t>(FColorCount);
  }
  // The table is full: the keyword borrows the previous keyword's colour.
  return FKeyPack.back().ColorIndex;
}

void TColorRule::ParseKeywords(const TStringList& List) {
  FKeyPack.clear();
  FColorCount = 0;
  for (const std::u16string& Line : List) {
    const std::u16string_view Trimmed = Trim(Line);
    if (Trimmed.empty()) continue;
    const std::size_t Semi = Trimmed.find(u';');
    const TColor Color = Semi == npos ? DefKeyColor : ColorPart(Trimmed.substr(Semi + 1));
    const std::u16string_view Key = Trim(Trimmed.substr(0, Semi));
    if (Key.empty()) continue;
    const std::uint8_t Index = ColorIndexFor(Color);
    FKeyPack.push_back({KeyCase ? std::u16string(Key) : AsciiUpper(Key), Index});
  }
}

void TColorRule::ClearMarkers() { FMarkers.assign(MaxMarkers, TKeyMarker{}); }

void TColorRule::ParseBeginEnd(const TStringList& List) {
  ClearMarkers();
  const std::size_t Lines = std::min<std::size_t>(List.size(), MaxMarkers);
  for (std::size_t I = 0; I < Lines; ++I) {
    const std::u16string_view Line = List[I];
    const std::size_t Semi = Line.find(u';');
    if (Semi == npos || Semi == 0) continue;
    const std::u16string_view Rest = Line.substr(Semi + 1);
    const std::size_t Semi2 = Rest.find(u';');
    TKeyMarker& Marker = FMarkers[I];
    Marker.BeginKey = FirstKeyChars(Line.substr(0, Semi));
    Marker.EndKey = FirstKeyChars(Rest.substr(0, Semi2));
    Marker.Color = ColorPart(Semi2 == npos ? std::u16string_view{} : Rest.substr(Semi2 + 1));
  }
}

void TColorRule::ParseLineEnd(const TStringList& List) {
  ClearMarkers();
  const std::size_t Lines = std::min<std::size_t>(List.size(), MaxMarkers);
  for (std::size_t I = 0; I < Lines; ++I) {
    const std::u16string_view Line = List[I];
    const std::size_t Semi = Line.find(u';');
    std::u16string_view Key = Line;
    std::u16string_view Color;
    if (Semi == 0 && Line.size() > 1 && Line[1] == u';') {
      Key = Line.substr(0, 1);
      Color = Line.substr(2);
    } else if (Semi != npos && Semi > 0) {
      Key = Line.substr(0, Semi);
      Color = Line.substr(Semi + 1);
    }
    TKeyMarker& Marker = FMarkers[I];
    Marker.BeginKey = FirstKeyChars(Key);
    Marker.Color = ColorPart(Color);
  }
}

bool TColorRule::Prepare() {
  bool Content = !FKeyBegEndLst.empty();
  ParseBeginEnd(FKeyBegEndLst);
  if (KeyDrawingType == dtKeyShow) {
    ParseKeywords(FKeywords);
    Content = Content || !FKeywords.empty();
  }
  if (KeyDrawingType == dtBeginLineEnd) {
    ParseLineEnd(FKeyLineEndLst);
    Content = Content || !FKeyLineEndLst.empty();
  }
  return Content;
}

int TColorRule::FindSpans(int NextIndex, std::u16string_view Text, std::int32_t Origin,
                          TKeyDescrList& Spans) {
  switch (KeyDrawingType) {
    case dtKeyShow: return FindKeywords(NextIndex, Text, Origin, Spans);
    case dtBeginLineEnd:
      // The span runs to the end of its line.
      return FindMarkedSpans(
          NextIndex, Text, Origin, Spans,
          [](const TKeyMarker&, std::u16string_view T, std::size_t Start) {
            const std::size_t End = T.find(u'\n', Start);
            return End == npos ? T.size() : End;
          },
          false);
    case dtBeginEnd:
      // An empty end marker never closes its pair; an unterminated span ends this rule's search.
      return FindMarkedSpans(
          NextIndex, Text, Origin, Spans,
          [](const TKeyMarker& Marker, std::u16string_view T, std::size_t Start) {
            return Marker.EndKey.empty() ? npos : T.find(Marker.EndKey, Start + 1);
          },
          true);
    case dtEventDraw: return FindEventSpans(NextIndex, Text, Origin, Spans);
  }
  return NextIndex;
}

int TColorRule::FindKeywords(int NextIndex, std::u16string_view Text, std::int32_t Origin,
                             TKeyDescrList& Spans) {
  if (FKeyPack.empty()) return NextIndex;
  std::u16string_view Searched = Text;
  if (!KeyCase) {
    FUpperText.assign(Text);
    for (char16_t& C : FUpperText) C = AsciiUpper(C);
    Searched = FUpperText;
  }
  for (const TPackedKeyword& Keyword : FKeyPack) {
    const std::size_t Length = Keyword.Key.size();
    for (std::size_t At = Searched.find(Keyword.Key); At != npos; At = Searched.find(Keyword.Key, At + Length)) {
      if (!PartWord && !IsWholeWord(Searched, At, Length)) continue;
      const auto Start = Origin + static_cast<std::int32_t>(At);
      NextIndex = Spans.Put(NextIndex, {Start, Start + static_cast<std::int32_t>(Length) - 1,
                                        KeyColor(Keyword.ColorIndex), ZOrder, 1});
    }
  }
  return NextIndex;
}

// The earliest marker found from From on; at equal positions the earlier entry.
const TKeyMarker* TColorRule::EarliestMarker(std::u16string_view Text, std::size_t From) {
  const TKeyMarker* Best = nullptr;
  for (TKeyMarker& Marker : FMarkers) {
    if (Marker.BeginKey.empty()) break;
    const bool Stale = Marker.FoundAt == NotSearched ||
                       (Marker.FoundAt >= 0 && static_cast<std::size_t>(Marker.FoundAt) < From);
    if (Stale) {
      const std::size_t At = Text.find(Marker.BeginKey, From);
      Marker.FoundAt = At == npos ? NotFound : static_cast<std::int32_t>(At);
    }
    if (Marker.FoundAt >= 0 && (Best == nullptr || Marker.FoundAt < Best->FoundAt)) Best = &Marker;
  }
  return Best;
}

int TColorRule::FindMarkedSpans(int NextIndex, std::u16string_view Text, std::int32_t Origin, TKeyDescrList& Spans,
                                EndFinder FindEnd, bool IncludeEndKey) {
  for (TKeyMarker& Marker : FMarkers) Marker.FoundAt = NotSearched;
  std::size_t Pos = 0;
  while (Pos <= Text.size()) {
    const TKeyMarker* Marker = EarliestMarker(Text, Pos);
    if (Marker == nullptr) break;
    const auto Start = static_cast<std::size_t>(Marker->FoundAt);
    const std::size_t End = FindEnd(*Marker, Text, Start);
    if (End == npos) break;
    const std::size_t Tail = IncludeEndKey ? Marker->EndKey.size() : 0;
    NextIndex = Spans.Put(NextIndex, {Origin + static_cast<std::int32_t>(Start),
                                      Origin + static_cast<std::int32_t>(End + Tail) - 1, Marker->Color, ZOrder, 0});
    Pos = End + 1;
  }
  return NextIndex;
}

int TColorRule::FindEventSpans(int NextIndex, std::u16string_view Text, std::int32_t Origin,
                               TKeyDescrList& Spans) {
  TEventDrawSource* Memo = FCollection ? FCollection->Memo() : nullptr;
  if (Memo == nullptr || Memo->ColorLimMax() <= 0) return NextIndex;
  const std::span<TKeyDescr> Array = Memo->Array();
  std::fill(Array.begin(), Array.end(), TKeyDescr{0, 0, 0, 0, 0});
  int ItemsCount = 0;
  Memo->DoDraw(*this, Text, Array, ItemsCount);
  const int Items = std::clamp(ItemsCount, 0, static_cast<int>(Array.size()));
  const auto Length = static_cast<std::int32_t>(Text.size());
  for (const TKeyDescr& Item : Array.first(static_cast<std::size_t>(Items))) {
    // A handler's span must lie within the scanned text.
    if (Item.StartPos < 0 || Item.StartPos >= Length) continue;
    const std::int32_t End = Item.EndPos == NoPos ? NoPos : Origin + std::min(Item.EndPos, Length - 1);
    NextIndex = Spans.Put(NextIndex, {Origin + Item.StartPos, End, Item.Color,
                                      Item.Order != 0 ? Item.Order : ZOrder, 0});
  }
  return NextIndex;
}

}  // namespace colmemo
