#pragma once
// The month calendar: a month grid under a caption naming the month, with buttons and
// Page Up / Page Down to change month. The shown date lives as long as the application.

#include <QCalendarWidget>
#include <QDate>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace korvane {

// "octobre  1998": the French month name, two blanks, the year.
QString TitreMois(QDate date);

class TCalendrier : public QDialog {
  Q_OBJECT

 public:
  // The grid starts at `debut`, the day the application started.
  explicit TCalendrier(QDate debut = QDate::currentDate(), QWidget* parent = nullptr);

  void BitBtn1Click();  // previous month
  void BitBtn2Click();  // next month

  QDate Date() const { return calendar1_->selectedDate(); }
  QLabel* Label1() const { return label1_; }
  QCalendarWidget* Calendar1() const { return calendar1_; }
  QPushButton* BitBtn1() const { return bitBtn1_; }
  QPushButton* BitBtn2() const { return bitBtn2_; }
  QPushButton* Button1() const { return button1_; }

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override;
  void showEvent(QShowEvent* evenement) override;

 private:
  void Calendar1Change();
  void ChangeMois(int mois);

  QLabel* label1_;
  QPushButton* bitBtn1_;
  QPushButton* bitBtn2_;
  QPushButton* button1_;
  QCalendarWidget* calendar1_;
};

}  // namespace korvane
