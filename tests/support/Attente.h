#pragma once
// Waiting on a condition with a deadline, Qt's events going on meanwhile. Unlike Qt Test's
// QTRY macros, the result is a plain bool that GoogleTest's assertions check.

#include <QEventLoop>
#include <QTimer>

namespace korvane::test {

template <typename Condition>
[[nodiscard]] bool Attend(Condition condition, int delaiMs = 5000) {
  if (condition()) return true;
  QEventLoop boucle;
  QTimer sonde;
  QObject::connect(&sonde, &QTimer::timeout, &boucle, [&] {
    if (condition()) boucle.quit();
  });
  QTimer::singleShot(delaiMs, &boucle, &QEventLoop::quit);
  sonde.start(5);
  boucle.exec();
  return condition();
}

}  // namespace korvane::test
