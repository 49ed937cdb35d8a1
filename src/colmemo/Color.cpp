#include "colmemo/Color.h"

#include <array>
#include <optional>
#include <utility>

namespace colmemo {

namespace {

constexpr std::array<std::pair<std::u16string_view, TColor>, 16> NamedColors{{
    {u"BLACK", clBlack}, {u"MAROON", clMaroon}, {u"GREEN", clGreen}, {u"OLIVE", clOlive},
    {u"NAVY", clNavy},   {u"PURPLE", clPurple}, {u"TEAL", clTeal},   {u"GRAY", clGray},
    {u"SILVER", clSilver}, {u"RED", clRed},     {u"LIME", clLime},   {u"YELLOW", clYellow},
    {u"BLUE", clBlue},   {u"FUCHSIA", clFuchsia}, {u"AQUA", clAqua}, {u"WHITE", clWhite},
}};

int HexDigit(char16_t C) {
  if (C >= u'0' && C <= u'9') return C - u'0';
  if (C >= u'A' && C <= u'F') return C - u'A' + 10;
  if (C >= u'a' && C <= u'f') return C - u'a' + 10;
  return -1;
}

// "$" then hexadecimal digits whose value fits 32 bits.
std::optional<std::uint32_t> HexValue(std::u16string_view Text) {
  if (Text.size() < 2 || Text.front() != u'$') return std::nullopt;
  std::uint64_t Value = 0;
  for (char16_t C : Text.substr(1)) {
    const int Digit = HexDigit(C);
    if (Digit < 0) return std::nullopt;
    Value = (Value << 4) | static_cast<std::uint64_t>(Digit);
    if (Value > 0xFFFFFFFFu) return std::nullopt;
  }
  return static_cast<std::uint32_t>(Value);
}

TColor SwapRedBlue(std::uint32_t Rgb) {
  return (Rgb & 0x00FF00) + ((Rgb & 0x0000FF) << 16) + ((Rgb & 0xFF0000) >> 16);
}

}  // namespace

char16_t AsciiUpper(char16_t C) { return (C >= u'a' && C <= u'z') ? static_cast<char16_t>(C - 32) : C; }

std::u16string AsciiUpper(std::u16string_view Text) {
  std::u16string Upper(Text);
  for (char16_t& C : Upper) C = AsciiUpper(C);
  return Upper;
}

std::u16string_view Trim(std::u16string_view Text) {
  while (!Text.empty() && Text.front() <= 32) Text.remove_prefix(1);
  while (!Text.empty() && Text.back() <= 32) Text.remove_suffix(1);
  return Text;
}

TColor ParseColor(std::u16string_view Text) {
  std::u16string Name = AsciiUpper(Trim(Text).substr(0, 10));
  for (const auto& [Known, Color] : NamedColors)
    if (Name == Known) return Color;
  if (const auto Hash = Name.find(u'#'); Hash != std::u16string::npos) Name.erase(Hash, 1);
  const bool HasDollar = Name.find(u'$') != std::u16string::npos;
  const auto Value = HexValue(HasDollar ? Name : std::u16string(1, u'$') + Name);
  return Value ? SwapRedBlue(*Value) : clWhite;
}

}  // namespace colmemo
