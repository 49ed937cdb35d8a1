#pragma once
// A text-file channel of OPEN / PRINT# / LINE INPUT#. The file is read and written as raw
// bytes: the program's Windows-1252 text goes to disk unchanged, lines end with CR LF.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace korvane {

// A file as the system knows it, whatever the path that named it.
struct IdentiteFichier {
  uint64_t Peripherique = 0, Inode = 0;
  friend bool operator==(const IdentiteFichier&, const IdentiteFichier&) = default;
};

// The file at `nom` (a symbolic link itself, not its target, as removal sees it), or nothing.
[[nodiscard]] std::optional<IdentiteFichier> IdentiteDe(const std::string& nom);

struct Canal {
  enum class Etat { Ferme, Lecture, Ecriture };
  enum class Lecture { Faite, TropLongue, Echouee };

  // Opens `nom` for reading (an existing regular file) or for writing (created or emptied).
  // On failure the channel stays closed.
  [[nodiscard]] bool Ouvre(const std::string& nom, Etat mode);
  // Closes the file; false (with errno) when what was still buffered could not be written.
  // A closed channel closes successfully.
  [[nodiscard]] bool Ferme();
  // Closes the file and forgets its name; a failed final write has nobody to be told.
  void Delie();

  // Writes and flushes; false (with errno) on failure.
  [[nodiscard]] bool Ecrit(const std::string& texte);
  // Next line into `ligne`, without its line end (LF or CR LF); empty at the end of the file
  // and on a channel not open for reading. TropLongue when the line is longer than
  // `maximum` bytes (at most maximum + 1 are kept); Echouee (with errno) when a read fails.
  [[nodiscard]] Lecture LitLigne(std::string& ligne, std::size_t maximum);
  // No character left to read (true on a channel not open for reading); nothing (with
  // errno) when the read fails.
  [[nodiscard]] std::optional<bool> FinAtteinte();
  // The open file, or nothing when the channel is closed.
  [[nodiscard]] std::optional<IdentiteFichier> Identite() const;

  std::string NomFichier;
  Etat Mode = Etat::Ferme;

 private:
  struct FermeFichier {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, FermeFichier> Fichier;
  IdentiteFichier identite_;
};

}  // namespace korvane
