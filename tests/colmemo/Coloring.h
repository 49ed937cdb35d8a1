#pragma once

#include <optional>
#include <string>
#include <vector>

#include "colmemo/SpanPass.h"

namespace colmemo::test {

// Bytes as Latin-1 characters.
inline std::u16string U(std::string_view Bytes) {
  std::u16string Text;
  for (char C : Bytes) Text.push_back(static_cast<unsigned char>(C));
  return Text;
}

// Colour each character of Text ends up with after a whole pass (none when no
// run covers it), as the memo would draw it.
inline std::vector<std::optional<TColor>> ColorsAfterPass(TDrawRules& Rules, TPassInput Input) {
  TKeyDescrList Spans(4);
  std::vector<TCell> Cells;
  ColorPass(Rules, Input, Spans, Cells);
  std::vector<std::optional<TColor>> Colors(Input.Text.size());
  for (int I = 0; I < Spans.Count() && !Spans[I].IsFree(); ++I)
    for (int C = Spans[I].StartPos; C <= Spans[I].EndPos; ++C)
      if (C - Input.Origin >= 0 && C - Input.Origin < static_cast<int>(Colors.size()))
        Colors[static_cast<std::size_t>(C - Input.Origin)] = Spans[I].Color;
  return Colors;
}

inline std::vector<std::optional<TColor>> ColorsAfterPass(TDrawRules& Rules, const std::u16string& Text) {
  TPassInput Input;
  Input.Text = Text;
  return ColorsAfterPass(Rules, Input);
}

// One letter per character: the colour's key in Legend, '.' when uncoloured.
inline std::string ColorMap(const std::vector<std::optional<TColor>>& Colors,
                            const std::vector<std::pair<char, TColor>>& Legend) {
  std::string Map;
  for (const auto& Color : Colors) {
    char Letter = '.';
    if (Color) {
      Letter = '?';
      for (const auto& [Key, Known] : Legend)
        if (Known == *Color) Letter = Key;
    }
    Map += Letter;
  }
  return Map;
}

}  // namespace colmemo::test
