#include "tools/ReglageHorloge.h"

#include <unistd.h>

#include <QProcess>
#include <ctime>

namespace korvane {

bool ReglageSysteme::Regle(const QDateTime& moment) {
  if (!moment.isValid()) return false;
  if (geteuid() == 0) {
    const timespec quand{static_cast<time_t>(moment.toSecsSinceEpoch()), 0};
    return clock_settime(CLOCK_REALTIME, &quand) == 0;
  }
  // The authorisation prompt may take the user a while: the window does not wait for it.
  return QProcess::startDetached(QStringLiteral("timedatectl"),
                                 {QStringLiteral("set-time"), moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))});
}

}  // namespace korvane
