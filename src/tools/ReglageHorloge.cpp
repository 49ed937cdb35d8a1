#include "tools/ReglageHorloge.h"

#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <string>
#include <utility>

#include "base/ErreurSysteme.h"

namespace korvane {

namespace {

// 0, or the system's error number.
int RegleDirectement(const QDateTime& moment) {
  if (!moment.isValid()) return EINVAL;
  const timespec quand{static_cast<time_t>(moment.toSecsSinceEpoch()), 0};
  return clock_settime(CLOCK_REALTIME, &quand) == 0 ? 0 : errno;
}

}  // namespace

ReglageParCommande::ReglageParCommande(QString programme, QStringList arguments, QObject* parent)
    : ReglageHorloge(parent), programme_(std::move(programme)), arguments_(std::move(arguments)) {}

void ReglageParCommande::Regle(const QDateTime& moment) {
  // The authorisation prompt may take the user a while: the window goes on meanwhile.
  auto* processus = new QProcess(this);
  processus->setStandardInputFile(QProcess::nullDevice());
  processus->setStandardOutputFile(QProcess::nullDevice());
  connect(processus, &QProcess::finished, this,
          [this, processus](int code, QProcess::ExitStatus etat) { Termine(*processus, code, etat); });
  connect(processus, &QProcess::errorOccurred, this,
          [this, processus](QProcess::ProcessError erreur) { Echoue(*processus, erreur); });
  processus->start(programme_, arguments_ + QStringList{moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))});
}

void ReglageParCommande::Termine(QProcess& processus, int code, QProcess::ExitStatus etat) {
  processus.deleteLater();
  if (etat == QProcess::NormalExit && code == 0) {
    emit Reglee();
    return;
  }
  const QString explication = QString::fromLocal8Bit(processus.readAllStandardError()).trimmed();
  if (!explication.isEmpty())
    emit Refusee(explication);
  else if (etat == QProcess::CrashExit)
    emit Refusee(QStringLiteral("%1 s'est arrêté anormalement").arg(programme_));
  else
    emit Refusee(QStringLiteral("%1 a échoué (code %2)").arg(programme_).arg(code));
}

void ReglageParCommande::Echoue(QProcess& processus, QProcess::ProcessError erreur) {
  // The other errors are followed by `finished`, which tells them.
  if (erreur != QProcess::FailedToStart) return;
  processus.deleteLater();
  emit Refusee(QStringLiteral("%1 est introuvable ou ne peut pas être lancé").arg(programme_));
}

ReglageSysteme::ReglageSysteme(QObject* parent)
    : ReglageParCommande(QStringLiteral("timedatectl"), {QStringLiteral("set-time")}, parent) {}

void ReglageSysteme::Regle(const QDateTime& moment) {
  if (geteuid() != 0) {
    ReglageParCommande::Regle(moment);
    return;
  }
  const int erreur = RegleDirectement(moment);
  // Told once the caller has returned, as the command's outcome is.
  QMetaObject::invokeMethod(
      this,
      [this, erreur] {
        if (erreur == 0)
          emit Reglee();
        else
          emit Refusee(QString::fromStdString(TexteErreurSysteme(erreur)));
      },
      Qt::QueuedConnection);
}

}  // namespace korvane
