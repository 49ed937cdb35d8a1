#include "ide/Recherche.h"

#include <string>
#include <vector>

namespace korvane {

namespace {

using Position = std::ptrdiff_t;

// The candidates of one search: where it stands and the last one in its direction.
struct Candidats {
  Position Ici;
  Position Dernier;
  int Pas;
  bool Restent() const { return Pas > 0 ? Ici <= Dernier : Ici >= Dernier; }
};

bool Delimiteur(std::string_view tampon, Position p) { return EstDelimiteur(tampon[static_cast<std::size_t>(p)]); }

// Moves to the start of a word; each character skipped uses up a candidate. Going down it
// leaves the word it stands in; going up it comes back one step onto the word's first letter.
bool DebutMotSuivant(std::string_view tampon, Candidats& c) {
  const bool bas = c.Pas > 0;
  for (const bool delimiteurs : {!bas, bas})
    while (c.Restent() && Delimiteur(tampon, c.Ici) == delimiteurs) c.Ici += c.Pas;
  if (!c.Restent()) return false;
  if (!bas) c.Ici -= c.Pas;
  return true;
}

std::array<unsigned char, 256> TableIdentite() {
  std::array<unsigned char, 256> table{};
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<unsigned char>(i);
  return table;
}

std::string Transcrit(std::string_view texte, const std::array<unsigned char, 256>& table) {
  std::string sortie(texte);
  for (char& c : sortie) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
  return sortie;
}

}  // namespace

std::array<unsigned char, 256> TableMajuscules() {
  auto table = TableIdentite();
  for (int c = 'a'; c <= 'z'; ++c) table[c] = static_cast<unsigned char>(c - 0x20);
  // à-þ sit 0x20 above À-Þ; ÷ (0xF7) has no capital.
  for (int c = 0xE0; c <= 0xFE; ++c)
    if (c != 0xF7) table[c] = static_cast<unsigned char>(c - 0x20);
  table[0x9A] = 0x8A;  // š
  table[0x9C] = 0x8C;  // œ
  table[0x9E] = 0x8E;  // ž
  table[0xFF] = 0x9F;  // ÿ
  return table;
}

bool EstDelimiteur(char c) {
  return !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
}

bool MemeTexteSansCasse(std::string_view a, std::string_view b) {
  const auto table = TableMajuscules();
  return Transcrit(a, table) == Transcrit(b, table);
}

std::optional<std::size_t> ChercheDansTampon(std::string_view tampon, std::size_t debutSelection,
                                             std::size_t longueurSelection, std::string_view texte,
                                             const OptionsRecherche& options) {
  const auto taille = static_cast<Position>(tampon.size());
  const auto longueur = static_cast<Position>(texte.size());
  const auto debut = static_cast<Position>(debutSelection);
  if (longueur == 0 || longueur > taille) return std::nullopt;
  Candidats c = options.Bas ? Candidats{debut + static_cast<Position>(longueurSelection), taille - longueur, 1}
                            : Candidats{debut - longueur, 0, -1};
  if (c.Ici < 0 || c.Ici > taille - longueur) return std::nullopt;

  const auto table = options.RespecterCasse ? TableIdentite() : TableMajuscules();
  const std::string motif = Transcrit(texte, table);
  const auto correspond = [&](Position p) {
    for (Position i = 0; i < longueur; ++i)
      if (table[static_cast<unsigned char>(tampon[static_cast<std::size_t>(p + i)])] !=
          static_cast<unsigned char>(motif[static_cast<std::size_t>(i)]))
        return false;
    return true;
  };
  for (; c.Restent(); c.Ici += c.Pas) {
    if (options.MotEntier && !DebutMotSuivant(tampon, c)) return std::nullopt;
    if (!correspond(c.Ici)) continue;
    const Position apres = c.Ici + longueur;
    if (!options.MotEntier || apres == taille || Delimiteur(tampon, apres)) return static_cast<std::size_t>(c.Ici);
  }
  return std::nullopt;
}

namespace {

struct Demande {
  std::string_view Texte;
  std::string_view Remplacement;
  OptionsRecherche Options;
};

// The text under replacement going down. A search reads only what follows the caret, where
// no replacement has been yet: the original bytes, at positions shifted by the replacements.
class TexteVersLeBas {
 public:
  TexteVersLeBas(std::string_view tampon, const Demande& demande) : Original_(tampon), Demande_(demande) {}

  std::optional<std::size_t> Cherche(std::size_t debut, std::size_t longueur) const {
    const auto trouve =
        ChercheDansTampon(Original_, debut - Actuelle_ + Origine_, longueur, Demande_.Texte, Demande_.Options);
    if (!trouve) return std::nullopt;
    return *trouve - Origine_ + Actuelle_;
  }

  void Remplace(std::size_t position) {
    Origine_ += position - Actuelle_ + Demande_.Texte.size();
    Actuelle_ = position + Demande_.Remplacement.size();
  }

 private:
  std::string_view Original_;
  const Demande& Demande_;
  // The text from Actuelle_ on is the original's from Origine_ on.
  std::size_t Actuelle_ = 0;
  std::size_t Origine_ = 0;
};

// The text under replacement going up. A search reads the text before the caret and the
// character after it, which the last replacements may have changed: that part is kept in one
// piece, the rest reversed, so that each replacement, above the one before, only moves the
// characters between the two.
class TexteVersLeHaut {
 public:
  TexteVersLeHaut(std::string_view tampon, const Demande& demande) : Avant_(tampon), Demande_(demande) {}

  std::optional<std::size_t> Cherche(std::size_t debut, std::size_t longueur) const {
    return ChercheDansTampon(Avant_, debut, longueur, Demande_.Texte, Demande_.Options);
  }

  void Remplace(std::size_t position) {
    const std::size_t fin = position + Demande_.Texte.size();
    ApresInverse_.append(Avant_.rbegin(), Avant_.rbegin() + static_cast<std::ptrdiff_t>(Avant_.size() - fin));
    Avant_.replace(position, std::string::npos, Demande_.Remplacement);
    if (ApresInverse_.empty()) return;
    Avant_ += ApresInverse_.back();
    ApresInverse_.pop_back();
  }

 private:
  std::string Avant_;  // up to the caret and the character after it
  std::string ApresInverse_;
  const Demande& Demande_;
};

template <typename Texte>
Remplacements Remplace(Texte texteCourant, std::size_t debut, std::size_t longueur, bool selectionCorrespond,
                       const Demande& demande, bool tout) {
  Remplacements r;
  const auto remplace = [&](std::size_t position) {
    texteCourant.Remplace(position);
    r.Positions.push_back(position);
    debut = position + demande.Remplacement.size();
    longueur = 0;
  };
  if (selectionCorrespond) remplace(debut);
  r.Selection = texteCourant.Cherche(debut, longueur);
  // Going up, a match inside the text just put in is found again in every copy of it: stop
  // there rather than replace forever.
  while (tout && r.Selection &&
         (demande.Options.Bas || r.Positions.empty() || *r.Selection < r.Positions.back())) {
    remplace(*r.Selection);
    r.Selection = texteCourant.Cherche(debut, longueur);
  }
  return r;
}

}  // namespace

Remplacements CalculeRemplacements(std::string_view tampon, std::size_t debutSelection,
                                   std::size_t longueurSelection, std::string_view texte,
                                   std::string_view remplacement, const OptionsRecherche& options, bool tout) {
  const Demande demande{texte, remplacement, options};
  const bool selectionCorrespond = MemeTexteSansCasse(tampon.substr(debutSelection, longueurSelection), texte);
  if (options.Bas)
    return Remplace(TexteVersLeBas(tampon, demande), debutSelection, longueurSelection, selectionCorrespond,
                    demande, tout);
  return Remplace(TexteVersLeHaut(tampon, demande), debutSelection, longueurSelection, selectionCorrespond, demande,
                  tout);
}

}  // namespace korvane
