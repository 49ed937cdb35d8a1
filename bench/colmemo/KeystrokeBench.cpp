// Times a keystroke inside a line of a 20,000-line program: the change's
// colouring pass plus the repaint of the viewport, and the full visible pass alone.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "colmemo/ColorMemo.h"
#include "colmemo/EditorRules.h"

namespace {

QString Program(int Lines) {
  QString Text;
  for (int I = 0; I < Lines; ++I)
    Text += QString("LINE%1: PRINT \"Valeur \"; A$ ' commentaire %1\n").arg(I);
  return Text;
}

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  return Values[Values.size() / 2];
}

template <typename Step>
std::vector<double> TimeMicroseconds(int Count, Step&& Run) {
  std::vector<double> Times;
  QElapsedTimer Timer;
  for (int I = 0; I < Count; ++I) {
    Timer.start();
    Run();
    Times.push_back(static_cast<double>(Timer.nsecsElapsed()) / 1000.0);
  }
  return Times;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication Application(argc, argv);
  colmemo::TColorMemo Memo;
  Memo.resize(900, 700);
  Memo.setLineWrapMode(QPlainTextEdit::NoWrap);
  colmemo::SetEditorColorRules(Memo.ColorRules());
  Memo.show();
  Memo.setPlainText(Program(20000));
  QTextCursor Cursor(Memo.document()->findBlockByNumber(10000));
  Cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 8);
  Memo.setTextCursor(Cursor);
  Memo.centerCursor();
  QApplication::processEvents();

  constexpr int Keystrokes = 300;
  const auto Typed = TimeMicroseconds(Keystrokes, [&] {
    QTest::keyClick(&Memo, Qt::Key_A);
    Memo.viewport()->repaint();
  });
  const auto Pass = TimeMicroseconds(Keystrokes, [&] { Memo.DrawColors(false); });
  const auto Paint = TimeMicroseconds(Keystrokes, [&] { Memo.viewport()->repaint(); });
  Memo.ColorRules().Clear();
  Memo.DrawColors(false);
  const auto Plain = TimeMicroseconds(Keystrokes, [&] { Memo.viewport()->repaint(); });
  std::printf("20000 lines, %d keystrokes\n", Keystrokes);
  std::printf("keystroke (change pass + repaint): median %.0f us, max %.0f us\n", Median(Typed),
              *std::max_element(Typed.begin(), Typed.end()));
  std::printf("visible-lines pass alone:          median %.0f us\n", Median(Pass));
  std::printf("repaint (base + runs):             median %.0f us\n", Median(Paint));
  std::printf("repaint without colouring:          median %.0f us\n", Median(Plain));
  return 0;
}
