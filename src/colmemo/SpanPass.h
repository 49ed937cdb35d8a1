#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "colmemo/Color.h"
#include "colmemo/DrawRules.h"
#include "colmemo/KeyDescr.h"

namespace colmemo {

// Orders the memo keeps for itself, above any rule's usual ZOrder.
inline constexpr std::uint8_t OrderTab = 255;
inline constexpr std::uint8_t OrderSelection = 254;
inline constexpr std::uint8_t OrderHotSpotMarker = 253;
inline constexpr std::uint8_t OrderHotSpotText = 252;
inline constexpr std::uint8_t OrderCaretLine = 0;

struct THotSpot {
  char16_t BeginChar = 30;  // code 0 disables hot spots
  char16_t EndChar = 31;
  TColor Color = clBlue;
  TColor MarkerColor = clWindow;
  bool Active = false;
  bool Underlined = true;

  void Assign(const THotSpot& Source) { *this = Source; }
};

// One character of the range covered by spans, after priority resolution.
struct TCell {
  TColor Color = 0;
  std::uint8_t Order = 0;
  std::uint8_t DrawKey = 0;
  std::uint8_t Used = 0;
};

// The scanned text and what the memo knows about its caret and colours.
struct TPassInput {
  std::u16string_view Text;  // from the scan start to the cut
  std::int32_t Origin = 0;   // offset of Text's first character in the whole text
  THotSpot HotSpot;
  bool AcceptsTabs = true;
  bool RedrawAlways = false;
  std::int32_t CaretLineStart = 0;
  std::int32_t SelStart = 0;
  std::int32_t SelLength = 0;
  TColor FontColor = clWindowText;
  TColor BackgroundColor = clWindow;
};

int AddHotSpotSpans(int NextIndex, const TPassInput& Input, TKeyDescrList& Spans);
int AddTabSpans(int NextIndex, const TPassInput& Input, TKeyDescrList& Spans);
int AddCaretLineSpan(int NextIndex, const TPassInput& Input, TKeyDescrList& Spans);
int AddSelectionSpan(int NextIndex, const TPassInput& Input, TKeyDescrList& Spans);

// Higher Order wins; at equal Order the span applied later wins.
void ResolvePriorities(const TKeyDescrList& Spans, std::vector<TCell>& CellBuffer);
// Rewrites the list as maximal runs of equal cells; a free record follows them.
void BuildRuns(TKeyDescrList& Spans, const std::vector<TCell>& CellBuffer);

// The whole colouring pass short of drawing: the runs are left in Spans.
void ColorPass(TDrawRules& Rules, const TPassInput& Input, TKeyDescrList& Spans,
               std::vector<TCell>& CellBuffer);

}  // namespace colmemo
