#include "tools/TMotsCle.h"

#include "tools/Apparence.h"

namespace korvane {

// In the list's order, which is the byte order.
const QStringList& MotsCle() {
  static const QStringList mots{
      "ABS",    "AS",     "ASC",       "CALL",       "CHDIR",      "CHR$",     "CLOSE",  "CLS",      "COLOR",
      "COMMAND$", "COS",  "DATE$",     "DIM",        "DO",         "ELSE",     "END",    "END SUB",  "ENDIF",
      "EOF",    "EXIT DO", "EXIT FOR", "EXIT SUB",   "EXIT WHILE", "EXP",      "FOR",    "GOSUB",    "GOTO",
      "HEX$",   "IF",     "INPUT",     "INSTR",      "INT",        "INTEGER",  "KILL",   "LCASE$",   "LEFT$",
      "LEN",    "LINE",   "LINE INPUT", "LINE INPUT#", "LOCATE",   "LOG",      "LOOP",   "LPRINT",   "MID$",
      "MKDIR",  "NEXT",   "OPEN",      "PRINT",      "PRINT#",     "RANDOMIZE", "REAL",  "REM",      "RIGHT$",
      "RMDIR",  "RND",    "SIN",       "SPACE$",     "SQR",        "STR$",     "STRING$", "SUB",     "THEN",
      "TIME$",  "UCASE$", "VAL",       "WEND",       "WHILE"};
  return mots;
}

TMotsCle::TMotsCle(QWidget* parent) : DialogueListe(parent) {
  setWindowTitle(QStringLiteral("Mots clé"));
  setFont(PoliceOutils());
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  ListBox1()->addItems(MotsCle());
  setFixedSize(185, 339);
}

}  // namespace korvane
