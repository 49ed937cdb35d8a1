#include "colmemo/DrawRules.h"

namespace colmemo {

void TEventDrawSource::SetColorLimMax(int Value) {
  if (Value == ColorLimMax()) return;
  DrawArray.assign(static_cast<std::size_t>(Value > 0 ? Value : 0), TKeyDescr{});
}

TColorRule& TDrawRules::Add() {
  Rules.push_back(std::make_unique<TColorRule>(this));
  return *Rules.back();
}

void TDrawRules::Assign(const TDrawRules& Source) {
  if (&Source == this) return;
  Rules.clear();
  for (const auto& Rule : Source.Rules) Add().Assign(*Rule);
}

void TDrawRules::PrepareRules() {
  if (!NeedsPrepare) {
    NeedsPrepare = true;
    return;
  }
  bool Content = false;
  for (const auto& Rule : Rules) Content = Rule->Prepare() || Content;
  if (Content) NeedsPrepare = false;
}

}  // namespace colmemo
