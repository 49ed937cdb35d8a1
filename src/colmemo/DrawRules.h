#pragma once

#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "colmemo/ColorRule.h"

namespace colmemo {

// What a dtEventDraw rule needs of its memo: the OnDraw handler and its array.
class TEventDrawSource {
 public:
  virtual ~TEventDrawSource() = default;

  int ColorLimMax() const { return static_cast<int>(DrawArray.size()); }
  void SetColorLimMax(int Value);
  std::span<TKeyDescr> Array() { return DrawArray; }

  // Runs the OnDraw handler, if any: Sender is the rule being searched; it
  // fills A[0 .. ItemsCount - 1] with offsets relative to FromPos.
  virtual void DoDraw(const TColorRule& Sender, std::u16string_view FromPos, std::span<TKeyDescr> A,
                      int& ItemsCount) = 0;

 private:
  std::vector<TKeyDescr> DrawArray;
};

class TDrawRules {
 public:
  explicit TDrawRules(TEventDrawSource* Memo = nullptr) : FMemo(Memo) {}
  TDrawRules(const TDrawRules&) = delete;
  TDrawRules& operator=(const TDrawRules&) = delete;

  TColorRule& Add();
  void Clear() { Rules.clear(); }
  int Count() const { return static_cast<int>(Rules.size()); }
  TColorRule& operator[](int Index) { return *Rules.at(static_cast<std::size_t>(Index)); }
  const TColorRule& operator[](int Index) const { return *Rules.at(static_cast<std::size_t>(Index)); }

  // Replaces this collection's rules by copies of Source's.
  void Assign(const TDrawRules& Source);

  // Prepares every rule on one pass out of two.
  void PrepareRules();

  TEventDrawSource* Memo() const { return FMemo; }
  bool NeedsPrepare = true;

 private:
  TEventDrawSource* FMemo;
  std::vector<std::unique_ptr<TColorRule>> Rules;
};

}  // namespace colmemo
