#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "colmemo/Color.h"
#include "colmemo/KeyDescr.h"

namespace colmemo {

class TDrawRules;

enum TKeyDrawingType : std::uint8_t { dtKeyShow, dtEventDraw, dtBeginEnd, dtBeginLineEnd };

using TStringList = std::vector<std::u16string>;

// One entry of a rule's marker table; an empty BeginKey ends the table.
struct TKeyMarker {
  static constexpr std::size_t MaxKeyLength = 6;
  std::u16string BeginKey;
  std::u16string EndKey;
  TColor Color = 0;
  std::int32_t FoundAt = 0;
};

// A keyword of the packed list with the index (1-based) of its colour.
struct TPackedKeyword {
  std::u16string Key;
  std::uint8_t ColorIndex = 0;
};

class TColorRule {
 public:
  static constexpr int MaxKeyColors = 41;
  static constexpr int MaxMarkers = 40;

  explicit TColorRule(TDrawRules* Collection = nullptr);
  TColorRule(const TColorRule&) = delete;
  TColorRule& operator=(const TColorRule&) = delete;

  std::uint8_t ZOrder = 0;
  std::u16string IntChar;
  int KeyMaxHeight = 1;
  TKeyDrawingType KeyDrawingType = dtBeginEnd;
  bool KeyCase = false;
  bool Enabled = true;
  bool PartWord = false;
  TColor DefKeyColor = clRed;
  TColor KeySelColor = clYellow;
  TColor KeyBrushColor = clWindow;

  // The lists as stored; lines added here directly are parsed at the next preparation.
  TStringList& Keywords() { return FKeywords; }
  const TStringList& Keywords() const { return FKeywords; }
  TStringList& KeyBegEndLst() { return FKeyBegEndLst; }
  const TStringList& KeyBegEndLst() const { return FKeyBegEndLst; }
  TStringList& KeyLineEndLst() { return FKeyLineEndLst; }
  const TStringList& KeyLineEndLst() const { return FKeyLineEndLst; }

  // The writers parse the list given, then keep a copy of it.
  void SetKeywords(const TStringList& List);
  void SetKeyBegEndLst(const TStringList& List);
  void SetKeyLineEndLst(const TStringList& List);

  void Assign(const TColorRule& Source);
  bool Prepare();

  // Searches Text (the scanned text from the scan start to the cut; Origin is
  // the offset of its first character in the whole text) and writes this
  // rule's spans from NextIndex on; returns the index after the last one.
  int FindSpans(int NextIndex, std::u16string_view Text, std::int32_t Origin, TKeyDescrList& Spans);

  TDrawRules* Collection() const { return FCollection; }
  const std::vector<TPackedKeyword>& KeyPack() const { return FKeyPack; }
  TColor KeyColor(int ColorIndex) const;
  int KeyColorCount() const { return FColorCount; }
  const std::vector<TKeyMarker>& Markers() const { return FMarkers; }

 private:
  void ParseKeywords(const TStringList& List);
  void ParseBeginEnd(const TStringList& List);
  void ParseLineEnd(const TStringList& List);
  void ClearMarkers();
  std::uint8_t ColorIndexFor(TColor Color);
  TColor ColorPart(std::u16string_view Text) const;

  int FindKeywords(int NextIndex, std::u16string_view Text, std::int32_t Origin, TKeyDescrList& Spans);
  // Where a marked span ends: the position its search found (npos: the search stops there).
  using EndFinder = std::size_t (*)(const TKeyMarker& Marker, std::u16string_view Text, std::size_t Start);
  int FindMarkedSpans(int NextIndex, std::u16string_view Text, std::int32_t Origin, TKeyDescrList& Spans,
                      EndFinder FindEnd, bool IncludeEndKey);
  int FindEventSpans(int NextIndex, std::u16string_view Text, std::int32_t Origin, TKeyDescrList& Spans);
  const TKeyMarker* EarliestMarker(std::u16string_view Text, std::size_t From);

  TDrawRules* FCollection;
  TStringList FKeywords;
  TStringList FKeyBegEndLst;
  TStringList FKeyLineEndLst;
  std::vector<TPackedKeyword> FKeyPack;
  std::array<TColor, MaxKeyColors> FKeyColors{};
  int FColorCount = 0;
  std::vector<TKeyMarker> FMarkers;  // empty until a marker list is first parsed
  std::u16string FUpperText;
};

}  // namespace colmemo
