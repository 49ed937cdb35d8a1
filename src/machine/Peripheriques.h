#pragma once
// The interfaces through which the core meets the outside world. The IDE implements
// them with Qt widgets, korvane-run with the terminal, the tests with recording fakes.
// Every text crossing them is Windows-1252.

#include <cstdint>
#include <optional>
#include <string>

namespace korvane {

// The program: the lines of an editor window, addressed by a zero-based index.
class Programme {
 public:
  virtual ~Programme() = default;
  virtual int NbLignes() const = 0;
  virtual std::string Ligne(int index) const = 0;
  // The same text into a buffer the caller reuses (a host holding std::strings avoids a copy).
  virtual void LitLigne(int index, std::string& tampon) const { tampon = Ligne(index); }
  // A number that changes whenever any line changes, or nothing when the host cannot tell
  // (every read of a line then compares its text).
  [[nodiscard]] virtual std::optional<uint64_t> Revision() const { return std::nullopt; }
};

// A colour as red, green, blue components 0-255.
struct Couleur {
  uint8_t Rouge = 0, Vert = 0, Bleu = 0;
  friend bool operator==(const Couleur&, const Couleur&) = default;
};

struct Geometrie {
  int Gauche = 0, Haut = 0;              // screen position of the window
  int LargeurExterne = 0, HauteurExterne = 0;
};

// The run window's client area, in pixels.
class SurfaceEcran {
 public:
  virtual ~SurfaceEcran() = default;
  // Start of a run: caption, then the window is shown and brought forward.
  virtual void Montre(const std::string& titre) = 0;
  virtual void DessineTexte(int x, int y, const std::string& texte) = 0;
  virtual int LargeurTexte(const std::string& texte) = 0;
  virtual void Trait(int x1, int y1, int x2, int y2) = 0;
  // Outlined with the pen, filled with the brush.
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void ChangeCouleurTexte(Couleur couleur) = 0;
  virtual Geometrie Fenetre() = 0;
  // A PRINT without ';' ended its line (a terminal writes a line end; a window needs nothing).
  virtual void FinDeLigne() {}
  // The echo of an accepted INPUT text; the cursor then moves to the next line.
  virtual void DessineSaisie(int x, int y, const std::string& texte) { DessineTexte(x, y, texte); }
};

// The borderless input box of INPUT. Returns the typed text, or nothing when cancelled.
class BoiteSaisie {
 public:
  virtual ~BoiteSaisie() = default;
  // A host need not keep more than kLongueurMaxChaine + 1 bytes (base/Calcul.h): a longer
  // text stops the run with "Trop de variables". A cancel while Clavier::ArretDemande says
  // yes stops the run on the INPUT line.
  [[nodiscard]] virtual bool Saisit(int gauche, int haut, int largeur, std::string& texte) = 0;
};

// Modal information boxes (errors and MSGBOX).
class BoitesMessage {
 public:
  virtual ~BoitesMessage() = default;
  virtual void Affiche(const std::string& texte) = 0;
};

// The printer channel of LPRINT. Failures are thrown as EchecExecution.
class Imprimante {
 public:
  virtual ~Imprimante() = default;
  virtual void DebutTravail() = 0;
  virtual void Ecrit(const std::string& texte) = 0;
  virtual void FinLigne() = 0;
  virtual void FinTravail() = 0;
};

// Clock and keyboard: what a running program reads of the world while it runs.
class Horloge {
 public:
  virtual ~Horloge() = default;
  virtual std::string TexteHeure() = 0;   // TIME$
  virtual std::string TexteDate() = 0;    // DATE$
  virtual int64_t MillisecondesUtcDuJour() = 0;  // RANDOMIZE
};

class Clavier {
 public:
  virtual ~Clavier() = default;
  // Oldest key pressed in the run window since the last call, or empty.
  virtual std::string ToucheLue() = 0;
  // Asked about every 20 ms of running time: does the user want the run to stop?
  [[nodiscard]] virtual bool ArretDemande() = 0;
};

struct Peripheriques {
  SurfaceEcran& Ecran;
  BoiteSaisie& Saisie;
  BoitesMessage& Messages;
  Imprimante& Printer;
  Horloge& Temps;
  Clavier& Touches;
};

}  // namespace korvane
