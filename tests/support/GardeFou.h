#pragma once
// A watchdog for tests that stop a run from a timer: should the stop go astray, it records a
// failure and stops the run itself, so the test fails in seconds instead of hanging.

#include <gtest/gtest.h>

#include <QTimer>
#include <chrono>

#include "screen/HoteQt.h"

namespace korvane::test {

class GardeFou {
 public:
  explicit GardeFou(HoteQt& hote, std::chrono::milliseconds delai = std::chrono::seconds(10)) {
    minuterie_.setSingleShot(true);
    QObject::connect(&minuterie_, &QTimer::timeout, [&hote] {
      ADD_FAILURE() << "le programme ne s'est pas arrêté à temps";
      hote.Clavier().DemandeArret();
    });
    minuterie_.start(delai);
  }

 private:
  QTimer minuterie_;
};

}  // namespace korvane::test
