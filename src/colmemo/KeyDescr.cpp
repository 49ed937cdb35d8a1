#include "colmemo/KeyDescr.h"

namespace colmemo {

TKeyDescrList::TKeyDescrList(int InitialRecords)
    : Records(static_cast<std::size_t>(InitialRecords > 0 ? InitialRecords : 0)) {}

int TKeyDescrList::Write(int Index, const TKeyDescr& Span) {
  if (Index < 0) Index = 0;
  if (Index >= Count()) {
    Records.push_back(Span);
    return Count() - 1;
  }
  Records[static_cast<std::size_t>(Index)] = Span;
  return Index;
}

int TKeyDescrList::Put(int Index, const TKeyDescr& Span) {
  const int Written = Write(Index, Span);
  // Spans that are never applied must not stretch the cell range.
  if (Span.StartPos < 0 || Span.EndPos == NoPos || Span.EndPos < Span.StartPos) return Written + 1;
  if (SpanMin < 0 || SpanMin > Span.StartPos) SpanMin = Span.StartPos;
  if (SpanMax < 0 || SpanMax < Span.EndPos) SpanMax = Span.EndPos;
  return Written + 1;
}

void TKeyDescrList::Free(int Index) {
  if (Index >= 0 && Index < Count()) Records[static_cast<std::size_t>(Index)].StartPos = NoPos;
}

void TKeyDescrList::FreeAll() {
  for (TKeyDescr& Record : Records) Record.StartPos = NoPos;
  SpanMin = -1;
  SpanMax = -1;
}

}  // namespace colmemo
