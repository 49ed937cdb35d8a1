#include "colmemo/SpanPass.h"

#include <algorithm>

namespace colmemo {

namespace {

constexpr auto npos = std::u16string_view::npos;

std::int32_t At(const TPassInput& Input, std::size_t Index) {
  return Input.Origin + static_cast<std::int32_t>(Index);
}

// The caret-line and selection spans may reach far outside the scanned text;
// only their visible part matters, and it keeps the cell range small.
int PutClipped(int NextIndex, const TPassInput& Input, TKeyDescr Span, TKeyDescrList& Spans) {
  const std::int32_t First = Input.Origin;
  const std::int32_t Last = At(Input, Input.Text.size()) - 1;
  Span.StartPos = std::max(Span.StartPos, First);
  Span.EndPos = std::min(Span.EndPos, Last);
  if (Span.EndPos < Span.StartPos) return NextIndex;
  return Spans.Put(NextIndex, Span);
}

bool SameCell(const TCell& A, const TCell& B) {
  return A.Color == B.Color && A.Order == B.Order && A.DrawKey == B.DrawKey;
}

}  // namespace

int AddHotSpotSpans(int NextIndex, const TPassInput& Input, TKeyDescrList& Spans) {
  const THotSpot& Spot = Input.HotSpot;
  if (!Spot.Active || Spot.BeginChar == 0) return NextIndex;
  const std::u16string_view Text = Input.Text;
  std::size_t Pos = 0;
  while (Pos < Text.size()) {
    const std::size_t Begin = Text.find(Spot.BeginChar, Pos);
    if (Begin == npos) break;
    const std::size_t End = Text.find(Spot.EndChar, Begin + 1);
    if (End == npos) break;  // an unclosed hot spot colours nothing
    NextIndex = Spans.Put(NextIndex, {At(Input, Begin), At(Input, Begin), Spot.MarkerColor, OrderHotSpotMarker, 0});
    NextIndex = Spans.Put(NextIndex, {At(Input, Begin + 1), At(Input, End) - 1, Spot.Color, OrderHotSpotText, 0});
    NextIndex = Spans.Put(NextIndex, {At(Input, End), At(Input, End), Spot.MarkerColor, OrderHotSpotMarker, 0});
    Pos = End + 1;
  }
  return NextIndex;
}

int AddTabSpans(int NextIndex, const TPassInput& Input, TKeyDescrList& Spans) {
  for (std::size_t Tab = Input.Text.find(u'\t'); Tab != npos; Tab = Input.Text.find(u'\t', Tab + 1))
    NextIndex = Spans.Put(NextIndex, {At(Input, Tab), At(Input, Tab), Input.BackgroundColor, OrderTab, 0});
  return NextIndex;
}

int AddCaretLineSpan(int NextIndex, const TPassInput& Input, TKeyDescrList& Spans) {
  return PutClipped(NextIndex, Input, {Input.CaretLineStart, Input.SelStart, Input.FontColor, OrderCaretLine, 0},
                    Spans);
}

int AddSelectionSpan(int NextIndex, const TPassInput& Input, TKeyDescrList& Spans) {
  if (Input.SelLength <= 0) return NextIndex;
  return PutClipped(NextIndex, Input,
                    {Input.SelStart, Input.SelStart + Input.SelLength - 1, clRed, OrderSelection, 0}, Spans);
}

void ResolvePriorities(const TKeyDescrList& Spans, std::vector<TCell>& CellBuffer) {
  if (Spans.SpanMin < 0 || Spans.SpanMax < Spans.SpanMin) return;
  const std::size_t Needed = static_cast<std::size_t>(Spans.SpanMax - Spans.SpanMin) + 1;
  if (CellBuffer.size() < Needed) CellBuffer.resize(Needed + 1);
  std::fill(CellBuffer.begin(), CellBuffer.begin() + static_cast<std::ptrdiff_t>(Needed), TCell{});
  for (int I = 0; I < Spans.Count(); ++I) {
    const TKeyDescr& Span = Spans[I];
    if (Span.IsFree() || Span.EndPos == NoPos || Span.EndPos < Span.StartPos) continue;
    const std::int32_t First = std::max(Span.StartPos, Spans.SpanMin);
    const std::int32_t Last = std::min(Span.EndPos, Spans.SpanMax);
    for (std::int32_t C = First; C <= Last; ++C) {
      TCell& Cell = CellBuffer[static_cast<std::size_t>(C - Spans.SpanMin)];
      if (Cell.Order > Span.Order) continue;
      Cell = {Span.Color, Span.Order, Span.DrawKey, 1};
    }
  }
}

void BuildRuns(TKeyDescrList& Spans, const std::vector<TCell>& CellBuffer) {
  int Index = 0;
  if (Spans.SpanMin >= 0 && Spans.SpanMax >= Spans.SpanMin) {
    const std::int32_t Base = Spans.SpanMin;
    const auto Cells = std::min(static_cast<std::size_t>(Spans.SpanMax - Base) + 1, CellBuffer.size());
    std::size_t C = 0;
    while (C < Cells) {
      if (!CellBuffer[C].Used) {
        ++C;
        continue;
      }
      std::size_t Last = C;
      while (Last + 1 < Cells && CellBuffer[Last + 1].Used && SameCell(CellBuffer[Last + 1], CellBuffer[C])) ++Last;
      const TCell& Run = CellBuffer[C];
      Index = Spans.Put(Index, {Base + static_cast<std::int32_t>(C), Base + static_cast<std::int32_t>(Last),
                                Run.Color, Run.Order, Run.DrawKey});
      C = Last + 1;
    }
  }
  Spans.Free(Index);
}

void ColorPass(TDrawRules& Rules, const TPassInput& Input, TKeyDescrList& Spans,
               std::vector<TCell>& CellBuffer) {
  Rules.PrepareRules();
  Spans.FreeAll();
  int Index = AddHotSpotSpans(0, Input, Spans);
  if (Input.AcceptsTabs) Index = AddTabSpans(Index, Input, Spans);
  if (Input.RedrawAlways) Index = AddCaretLineSpan(Index, Input, Spans);
  for (int R = 0; R < Rules.Count(); ++R)
    if (Rules[R].Enabled) Index = Rules[R].FindSpans(Index, Input.Text, Input.Origin, Spans);
  if (Input.SelLength > 0) AddSelectionSpan(Index, Input, Spans);
  ResolvePriorities(Spans, CellBuffer);
  BuildRuns(Spans, CellBuffer);
}

}  // namespace colmemo
