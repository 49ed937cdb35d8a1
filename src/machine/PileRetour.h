#pragma once
// The return stack of GOSUB, CALL, FOR, WHILE and DO: 100 untagged entries.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace korvane {

class PileRetour {
 public:
  static constexpr int kMax = 100;

  void Raz() { hauteur_ = 0; }
  // False when the stack is full.
  [[nodiscard]] bool Empile(int32_t valeur) {
    if (hauteur_ >= kMax) return false;
    entrees_[static_cast<std::size_t>(hauteur_++)] = valeur;
    return true;
  }
  // Nothing when the stack is empty.
  [[nodiscard]] std::optional<int32_t> Depile() {
    if (hauteur_ <= 0) return std::nullopt;
    return entrees_[static_cast<std::size_t>(--hauteur_)];
  }
  int Hauteur() const { return hauteur_; }
  // The top `n` entries from the bottom up, or null when fewer are held: a NEXT that loops
  // again leaves its four entries as they are.
  [[nodiscard]] int32_t* Sommet(int n) { return hauteur_ >= n ? entrees_.data() + (hauteur_ - n) : nullptr; }
  // Takes off `n` entries, which Sommet has shown to be there.
  void Retire(int n) { hauteur_ -= n; }
  // From the bottom up.
  std::span<const int32_t> Contenu() const { return std::span(entrees_).first(static_cast<std::size_t>(hauteur_)); }

 private:
  std::array<int32_t, kMax> entrees_{};
  int hauteur_ = 0;
};

}  // namespace korvane
