#pragma once
// The ways a program file is written on disk, which korvane-run and the editor must read
// alike; and a limit on file sizes that makes the next write fail as a full disk would.

#include <sys/resource.h>

#include <csignal>
#include <string>
#include <vector>

#include "base/Source.h"

namespace korvane::test {

struct CasFichierSource {
  const char* Nom;
  std::string Octets;  // on disk
  FormatSource Format;
  std::string Reecrit;  // saved again without an edit: the same bytes, each line ending in CR LF
};

// Each case holds these lines (UTF-8), which print "été" then "2".
inline const std::vector<std::string> kLignesSource = {"PRINT \"été\"", "", "PRINT 2"};

inline const std::vector<CasFichierSource> kCasFichierSource = {
    {"Utf8CrLf", "PRINT \"\xC3\xA9t\xC3\xA9\"\r\n\r\nPRINT 2\r\n", {Encodage::Utf8, false},
     "PRINT \"\xC3\xA9t\xC3\xA9\"\r\n\r\nPRINT 2\r\n"},
    {"Windows1252LfWithoutLastEnd", "PRINT \"\xE9t\xE9\"\n\nPRINT 2", {Encodage::Windows1252, false},
     "PRINT \"\xE9t\xE9\"\r\n\r\nPRINT 2\r\n"},
    {"BomUtf8Cr", "\xEF\xBB\xBFPRINT \"\xC3\xA9t\xC3\xA9\"\r\rPRINT 2\r", {Encodage::Utf8, true},
     "\xEF\xBB\xBFPRINT \"\xC3\xA9t\xC3\xA9\"\r\n\r\nPRINT 2\r\n"},
    {"BomThenWindows1252MixedEnds", "\xEF\xBB\xBFPRINT \"\xE9t\xE9\"\n\rPRINT 2\r\n", {Encodage::Windows1252, true},
     "\xEF\xBB\xBFPRINT \"\xE9t\xE9\"\r\n\r\nPRINT 2\r\n"},
};

// While it lives, writing past `octets` bytes into any file fails with EFBIG.
class LimiteTailleFichiers {
 public:
  explicit LimiteTailleFichiers(rlim_t octets) : ancienSignal_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &ancienne_);
    rlimit limite = ancienne_;
    limite.rlim_cur = octets;
    setrlimit(RLIMIT_FSIZE, &limite);
  }
  ~LimiteTailleFichiers() {
    setrlimit(RLIMIT_FSIZE, &ancienne_);
    std::signal(SIGXFSZ, ancienSignal_);
  }
  LimiteTailleFichiers(const LimiteTailleFichiers&) = delete;
  LimiteTailleFichiers& operator=(const LimiteTailleFichiers&) = delete;

 private:
  rlimit ancienne_{};
  void (*ancienSignal_)(int);
};

}  // namespace korvane::test
