#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "colmemo/Color.h"

namespace colmemo {

inline constexpr std::int32_t NoPos = std::numeric_limits<std::int32_t>::max();

// One colour span: offsets of its first and last (inclusive) character.
struct TKeyDescr {
  std::int32_t StartPos = NoPos;  // NoPos: a free record
  std::int32_t EndPos = NoPos;    // NoPos: no end, never drawn
  TColor Color = 0;
  std::uint8_t Order = 0;
  std::uint8_t DrawKey = 0;

  bool IsFree() const { return StartPos == NoPos; }
};

// The memo's span records, reused from pass to pass and only grown, with the
// range SpanMin..SpanMax covered by the spans written in the current pass.
class TKeyDescrList {
 public:
  explicit TKeyDescrList(int InitialRecords = 0);

  int Count() const { return static_cast<int>(Records.size()); }
  TKeyDescr& operator[](int Index) { return Records[static_cast<std::size_t>(Index)]; }
  const TKeyDescr& operator[](int Index) const { return Records[static_cast<std::size_t>(Index)]; }

  // Writes Span at Index (appending when Index is past the end), widens the
  // covered range and returns the index after the record written.
  int Put(int Index, const TKeyDescr& Span);
  void Free(int Index);
  void FreeAll();

  std::int32_t SpanMin = -1;
  std::int32_t SpanMax = -1;

 private:
  int Write(int Index, const TKeyDescr& Span);

  std::vector<TKeyDescr> Records;
};

}  // namespace colmemo
