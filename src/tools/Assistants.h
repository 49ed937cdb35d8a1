#pragma once
// The code-generation wizards of the "Programmer" menu: a FOR loop, a WHILE or DO loop, an
// IF block, an OPEN/CLOSE# pair. Each keeps its fields and its last choice between uses;
// its result is the block to insert, lines ending in CR LF, or empty when there is none.

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QString>
#include <QToolButton>

#include "tools/DialogueAccepte.h"
#include "tools/TMotsCle.h"

namespace korvane {

class TBoucleFor : public DialogueAccepte {
  Q_OBJECT

 public:
  explicit TBoucleFor(QWidget* parent = nullptr);
  QString Result() const;

  QLineEdit* Edit1() const { return edit1_; }
  QLineEdit* Edit2() const { return edit2_; }
  QLineEdit* Edit3() const { return edit3_; }
  QLineEdit* Edit4() const { return edit4_; }

 private:
  QLineEdit* edit1_;
  QLineEdit* edit2_;
  QLineEdit* edit3_;
  QLineEdit* edit4_;
};

// Two operands around one of the operators " =", " <", " >", " <=", " >=", " <>".
class DialogueCondition : public DialogueAccepte {
  Q_OBJECT

 public:
  QLineEdit* Edit1() const { return edit1_; }
  QLineEdit* Edit2() const { return edit2_; }
  QButtonGroup* RadioGroup1() const { return radioGroup1_; }

 protected:
  explicit DialogueCondition(QWidget* parent);
  // "Opérande 1" + operator + "Opérande 2" without blanks; empty when the user did not
  // accept, left the first operand empty or chose no operator.
  QString Condition() const;

 private:
  QLineEdit* edit1_;
  QLineEdit* edit2_;
  QButtonGroup* radioGroup1_;
};

// One dialog for both loops; the caption tells which one the user is building.
class TBoucleWhile : public DialogueCondition {
  Q_OBJECT

 public:
  explicit TBoucleWhile(QWidget* parent = nullptr);
  QString Result1() const;  // WHILE
  QString Result2() const;  // DO
};

class TConditionIf : public DialogueCondition {
  Q_OBJECT

 public:
  explicit TConditionIf(QWidget* parent = nullptr);
  QString Result() const;

  QCheckBox* CheckBox1() const { return checkBox1_; }

 private:
  QCheckBox* checkBox1_;
};

class TFileIO : public DialogueAccepte {
  Q_OBJECT

 public:
  enum Mode { Lecture, Ecriture };

  explicit TFileIO(QWidget* parent = nullptr);
  QString Result() const;
  void ChoisitMode(Mode mode);
  // The channel's arrows: one more or one less, within 1 to 3.
  void SpinButton1UpClick();
  void SpinButton1DownClick();

  QLineEdit* Edit1() const { return edit1_; }
  QLineEdit* Edit2() const { return edit2_; }
  QButtonGroup* RadioGroup1() const { return radioGroup1_; }

 private:
  // Edit2 as a number; a text that is none counts as 1.
  int Canal() const;

  QLineEdit* edit1_;
  QLineEdit* edit2_;
  QButtonGroup* radioGroup1_;
};

// The keyword list and the wizards, as the editor windows use them.
struct Programmeur {
  TMotsCle& MotsCle;
  TBoucleFor& BoucleFor;
  TBoucleWhile& BoucleWhile;
  TConditionIf& ConditionIf;
  TFileIO& FileIO;
};

}  // namespace korvane
