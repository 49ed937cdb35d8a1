#pragma once
// The desk clock: the time and date, ticking each second, which the user can freeze with
// "Set", change field by field with the arrows, and apply to the computer's clock with a
// second "Set". Texts are hh:mm:ss and dd/mm/yyyy whatever the locale: the arrows and the
// setting read the fields at those positions.

#include <QButtonGroup>
#include <QDateTime>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <functional>

#include "machine/Peripheriques.h"
#include "tools/ReglageHorloge.h"

namespace korvane {

// The radio group's fields, in its order.
enum class Champ { Heures, Minutes, Jour, Mois, Annee };

// `texte` (a time text for hours and minutes, a date text otherwise) with `champ` moved one
// up or down within its limits; a year under 100 counts from 1900.
QString AjusteChamp(const QString& texte, Champ champ, bool haut);

class THorloge : public QDialog {
  Q_OBJECT

 public:
  // `maintenant` gives the time shown; tests fix it. A refused setting is told through
  // `messages`.
  THorloge(ReglageHorloge& reglage, BoitesMessage& messages,
           std::function<QDateTime()> maintenant = &QDateTime::currentDateTime, QWidget* parent = nullptr);

  void Timer1Timer();
  void SpinButton1UpClick();
  void SpinButton1DownClick();
  // "Set": enters setting mode, or leaves it applying the labels to the computer's clock.
  void Button2Click();
  // Starts setting the computer's clock from the two labels; values that make no date or
  // time are refused without a word.
  void Modifie();

  bool EnReglage() const { return enReglage_; }
  QLabel* Label1() const { return label1_; }
  QLabel* Label2() const { return label2_; }
  QButtonGroup* RadioGroup1() const { return radioGroup1_; }
  QPushButton* Button1() const { return button1_; }
  QPushButton* Button2() const { return button2_; }
  QTimer* Timer1() const { return timer1_; }

 protected:
  void showEvent(QShowEvent* evenement) override;
  void hideEvent(QHideEvent* evenement) override;

 private:
  void Fleche(bool haut);
  void ReglageAccepte();
  void ReglageRefuse(const QString& raison);

  ReglageHorloge& reglage_;
  BoitesMessage& messages_;
  std::function<QDateTime()> maintenant_;
  QLabel* label1_;
  QLabel* label2_;
  QButtonGroup* radioGroup1_;
  QPushButton* button1_;
  QPushButton* button2_;
  QTimer* timer1_;
  bool enReglage_ = false;
};

}  // namespace korvane
