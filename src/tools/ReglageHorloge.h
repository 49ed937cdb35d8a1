#pragma once
// Setting the computer's clock, behind an interface so that tests never touch the real one.
// The outcome comes later, by signal: the system may ask the user for authorisation first.

#include <QDateTime>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace korvane {

class ReglageHorloge : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  // Starts setting the local date and time; one of the signals below tells how it ended.
  virtual void Regle(const QDateTime& moment) = 0;

 signals:
  void Reglee();
  // `raison` is French, for the user.
  void Refusee(const QString& raison);
};

// Sets the clock by running `programme arguments... "yyyy-MM-dd HH:mm:ss"`; the command's
// error output is the reason of a refusal.
class ReglageParCommande : public ReglageHorloge {
  Q_OBJECT

 public:
  ReglageParCommande(QString programme, QStringList arguments, QObject* parent = nullptr);
  void Regle(const QDateTime& moment) override;

 private:
  void Termine(QProcess& processus, int code, QProcess::ExitStatus etat);
  void Echoue(QProcess& processus, QProcess::ProcessError erreur);

  QString programme_;
  QStringList arguments_;
};

// The system's clock: as root directly, otherwise through timedatectl, which asks for the
// user's authorisation when it needs to.
class ReglageSysteme : public ReglageParCommande {
  Q_OBJECT

 public:
  explicit ReglageSysteme(QObject* parent = nullptr);
  void Regle(const QDateTime& moment) override;
};

}  // namespace korvane
