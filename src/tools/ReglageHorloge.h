#pragma once
// Setting the computer's clock, behind an interface so that tests never touch the real one.

#include <QDateTime>

namespace korvane {

class ReglageHorloge {
 public:
  virtual ~ReglageHorloge() = default;
  // Sets the local date and time; false when the system refuses.
  virtual bool Regle(const QDateTime& moment) = 0;
};

// The system's clock: as root directly, otherwise through timedatectl, which asks for the
// user's authorisation when it needs to.
class ReglageSysteme : public ReglageHorloge {
 public:
  bool Regle(const QDateTime& moment) override;
};

}  // namespace korvane
