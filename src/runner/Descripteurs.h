#pragma once
// Reading and writing the descriptors of a terminal run (stdin, stdout, the printer file):
// a stop signal ends any wait at once, and no written byte is silently lost.

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

enum class Issue {
  Faite,
  Interrompue,  // a stop signal came first; what was not written is kept
  Echouee,      // the system refused; errno is kept in Erreur()
};

// Bytes on their way to a descriptor, kept in memory so that bulk output stays fast, and
// written out when many are waiting, when the oldest has waited a tenth of a second, and on
// demand. After a failure nothing more is written.
class SortieTamponnee {
 public:
  explicit SortieTamponnee(int descripteur) : descripteur_(descripteur) {}
  SortieTamponnee(const SortieTamponnee&) = delete;
  SortieTamponnee& operator=(const SortieTamponnee&) = delete;

  Issue Ajoute(std::string_view octets);
  // Writes out what waits when the oldest byte has waited long enough; cheap otherwise.
  Issue VideSiAncien();
  Issue Vide();
  int Erreur() const { return erreur_; }

 private:
  Issue Ecrit();

  static constexpr std::size_t kTaillePaquet = 64 * 1024;
  static constexpr std::chrono::milliseconds kAttenteMax{100};

  int descripteur_;
  std::string tampon_;
  std::chrono::steady_clock::time_point attendDepuis_;
  int erreur_ = 0;
};

// The lines of a descriptor (stdin), read in blocks.
class EntreeLignes {
 public:
  explicit EntreeLignes(int descripteur) : descripteur_(descripteur) {}

  // The next line without its LF, at most `maximum` + 1 bytes of it (the rest of a longer
  // line stays unread). The end of the input gives what was left: an empty line at the very
  // end. A read error fails, then and at every later call.
  Issue LitLigne(std::string& ligne, std::size_t maximum);
  int Erreur() const { return erreur_; }

 private:
  // Waits for the next block of input, or notes its end.
  Issue Remplit();

  int descripteur_;
  std::string tampon_;
  std::size_t lu_ = 0;  // bytes of tampon_ already given
  bool fin_ = false;
  int erreur_ = 0;
};

}  // namespace korvane
