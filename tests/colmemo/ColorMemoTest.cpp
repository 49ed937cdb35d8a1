#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "colmemo/ColorMemo.h"
#include "colmemo/EditorRules.h"

namespace colmemo::test {
namespace {

// Records every pass with the range it scanned.
class RecordingMemo : public TColorMemo {
 public:
  using TColorMemo::TColorMemo;
  void DrawColors(bool CurrentLineOnly) override {
    TColorMemo::DrawColors(CurrentLineOnly);
    Passes.push_back({CurrentLineOnly, LastScan()});
  }
  struct Pass {
    bool CurrentLineOnly;
    std::pair<int, int> Scan;
  };
  std::vector<Pass> Passes;
};

class ColorMemoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Window = std::make_unique<QWidget>();
    Window->resize(480, 300);
    Memo = new RecordingMemo(Window.get());
    Memo->setGeometry(0, 0, 480, 300);
    QFont Font("DejaVu Sans Mono");
    Font.setPixelSize(20);
    Font.setStyleStrategy(QFont::NoAntialias);
    Memo->setFont(Font);
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    SetEditorColorRules(Memo->ColorRules());
    Window->show();
    QApplication::processEvents();
  }

  void SetText(const QString& Text) {
    Memo->setPlainText(Text);
    QApplication::processEvents();
  }

  QImage Grab() { return Memo->viewport()->grab().toImage(); }

  // The cells of the characters From..From+Length-1 of one line.
  QRect CharsRect(int From, int Length) {
    QTextCursor Cursor(Memo->document());
    Cursor.setPosition(From);
    const QRect Start = Memo->cursorRect(Cursor);
    Cursor.setPosition(From + Length);
    const QRect End = Memo->cursorRect(Cursor);
    return QRect(QPoint(Start.left() + 1, Start.top()), QPoint(End.left() - 1, Start.bottom()));
  }

  static int CountPixels(const QImage& Image, const QRect& Rect, const QColor& Color) {
    int Count = 0;
    for (int Y = Rect.top(); Y <= Rect.bottom(); ++Y)
      for (int X = Rect.left(); X <= Rect.right(); ++X)
        if (Image.rect().contains(X, Y) && Image.pixelColor(X, Y).rgb() == Color.rgb()) ++Count;
    return Count;
  }

  // Widest horizontal run of Color in Rect, for underlines.
  static int WidestRow(const QImage& Image, const QRect& Rect, const QColor& Color) {
    int Widest = 0;
    for (int Y = Rect.top(); Y <= Rect.bottom() + 4; ++Y) Widest = std::max(Widest, CountPixels(Image, QRect(Rect.left(), Y, Rect.width(), 1), Color));
    return Widest;
  }

  // Tallest vertical run of Color in Rect, for the caret.
  static int TallestColumn(const QImage& Image, const QRect& Rect, const QColor& Color) {
    int Tallest = 0;
    for (int X = Rect.left(); X <= Rect.right(); ++X)
      Tallest = std::max(Tallest, CountPixels(Image, QRect(X, Rect.top(), 1, Rect.height()), Color));
    return Tallest;
  }

  QColor Text() const { return Memo->palette().color(QPalette::Text); }
  QColor Base() const { return Memo->palette().color(QPalette::Base); }

  std::unique_ptr<QWidget> Window;
  RecordingMemo* Memo = nullptr;
  const QColor Blue{0, 0, 255};
  const QColor Grey{128, 128, 128};
  const QColor Maroon{128, 0, 0};
};

TEST_F(ColorMemoTest, KeywordsAndCommentsAreOverdrawnInTheirColours) {
  SetText("PRINT x\n' note\nDIM A AS STRING");
  const QImage Image = Grab();
  const QRect Print = CharsRect(0, 5);
  EXPECT_GT(CountPixels(Image, Print, Blue), 20);
  EXPECT_EQ(CountPixels(Image, Print, Text()), 0);
  EXPECT_GT(CountPixels(Image, CharsRect(6, 1), Text()), 5);  // x keeps the base's colour
  const QRect Note = CharsRect(10, 4);
  EXPECT_GT(CountPixels(Image, Note, Grey), 20);
  EXPECT_EQ(CountPixels(Image, Note, Text()), 0);
  EXPECT_GT(CountPixels(Image, CharsRect(15, 3), Maroon), 10);
}

TEST_F(ColorMemoTest, SelectedKeywordKeepsTheBaseSelectionColours) {
  SetText("PRINT x\nPRINT y");
  QTextCursor Cursor(Memo->document());
  Cursor.setPosition(0);
  Cursor.setPosition(5, QTextCursor::KeepAnchor);
  Memo->setTextCursor(Cursor);
  QApplication::processEvents();
  const QImage Image = Grab();
  EXPECT_EQ(CountPixels(Image, CharsRect(0, 5), Blue), 0);
  const QColor Highlight = Memo->palette().color(QPalette::Inactive, QPalette::Highlight);
  const QColor ActiveHighlight = Memo->palette().color(QPalette::Active, QPalette::Highlight);
  EXPECT_GT(CountPixels(Image, CharsRect(0, 5), Highlight) + CountPixels(Image, CharsRect(0, 5), ActiveHighlight), 20);
  EXPECT_GT(CountPixels(Image, CharsRect(8, 5), Blue), 20);
}

TEST_F(ColorMemoTest, HotSpotTextIsBlueAndUnderlinedBetweenBlankMarkers) {
  Memo->HotSpot().Active = true;
  SetText(QString("voir ") + QChar(30) + "Aide" + QChar(31) + " ici");
  const QImage Image = Grab();
  const QRect Aide = CharsRect(6, 4);
  EXPECT_GT(CountPixels(Image, Aide, Blue), 20);
  EXPECT_GE(WidestRow(Image, Aide, Blue), Aide.width() - 2);
  const QRect Marker = CharsRect(5, 1);
  EXPECT_EQ(CountPixels(Image, Marker, Base()), Marker.width() * Marker.height());
}

TEST_F(ColorMemoTest, PartlyVisibleLastLineKeepsTheBaseColours) {
  QString Program;
  for (int I = 0; I < 60; ++I) Program += "PRINT 1\n";
  SetText(Program);
  QTextBlock Partial = Memo->document()->firstBlock();
  const int Height = Memo->viewport()->height();
  while (Partial.isValid() && CharsRect(Partial.position(), 5).bottom() < Height) Partial = Partial.next();
  ASSERT_TRUE(Partial.isValid());
  QRect Visible = CharsRect(Partial.position(), 5).intersected(QRect(0, 0, 480, Height));
  ASSERT_FALSE(Visible.isEmpty());
  const QImage Image = Grab();
  EXPECT_EQ(CountPixels(Image, Visible, Blue), 0);
  EXPECT_GT(CountPixels(Image, CharsRect(Partial.previous().position(), 5), Blue), 20);
}

TEST_F(ColorMemoTest, ScrollingRecoloursTheNewlyVisibleLines) {
  QString Program;
  for (int I = 0; I < 60; ++I) Program += "x = 1\n";
  Program += "PRINT 1\n";
  SetText(Program);
  Memo->verticalScrollBar()->setValue(Memo->verticalScrollBar()->maximum());
  QApplication::processEvents();
  const int Print = Memo->document()->findBlockByNumber(60).position();
  EXPECT_GT(CountPixels(Grab(), CharsRect(Print, 5), Blue), 20);
}

TEST_F(ColorMemoTest, OneCharacterTypedRecoloursOnlyTheCaretLine) {
  SetText("PRINT a\nPRINT b\nPRINT c");
  QTextCursor Cursor(Memo->document());
  Cursor.setPosition(10);
  Memo->setTextCursor(Cursor);
  QApplication::processEvents();
  Memo->Passes.clear();
  QTest::keyClick(Memo, Qt::Key_X);
  ASSERT_FALSE(Memo->Passes.empty());
  EXPECT_TRUE(Memo->Passes.front().CurrentLineOnly);
  EXPECT_EQ(Memo->Passes.front().Scan, std::make_pair(8, 16));

  Memo->Passes.clear();
  QTest::keyClick(Memo, Qt::Key_Return);
  ASSERT_FALSE(Memo->Passes.empty());
  EXPECT_FALSE(Memo->Passes.front().CurrentLineOnly);

  Memo->Passes.clear();
  QTest::keyClick(Memo, Qt::Key_Backspace);
  ASSERT_FALSE(Memo->Passes.empty());
  EXPECT_FALSE(Memo->Passes.front().CurrentLineOnly);

  Memo->Passes.clear();
  Memo->insertPlainText("ab");
  ASSERT_FALSE(Memo->Passes.empty());
  EXPECT_FALSE(Memo->Passes.front().CurrentLineOnly);

  Memo->SetRedrawAlways(true);
  Memo->Passes.clear();
  QTest::keyClick(Memo, Qt::Key_Y);
  ASSERT_FALSE(Memo->Passes.empty());
  EXPECT_FALSE(Memo->Passes.front().CurrentLineOnly);
}

TEST_F(ColorMemoTest, PaintDrawsTheRunsOfTheLastPassWithoutAnotherPass) {
  SetText("PRIN a\nPRINT b");
  QTextCursor Cursor(Memo->document());
  Cursor.setPosition(4);
  Memo->setTextCursor(Cursor);
  QApplication::processEvents();
  Memo->Passes.clear();
  QTest::keyClick(Memo, Qt::Key_T);
  const QImage Image = Grab();
  EXPECT_EQ(Memo->Passes.size(), 1u);
  EXPECT_GT(CountPixels(Image, CharsRect(0, 5), Blue), 20);
  // The next line's runs were kept from the earlier pass and moved with the text.
  EXPECT_GT(CountPixels(Image, CharsRect(8, 5), Blue), 20);
  EXPECT_GT(CountPixels(Image, CharsRect(12, 1), Blue), 5);
}

TEST_F(ColorMemoTest, TextLoadedWhileHiddenIsColouredOnceShownAndPlainWhenDisabled) {
  Memo->hide();
  SetText("PRINT x");
  Memo->show();
  EXPECT_GT(CountPixels(Grab(), CharsRect(0, 5), Blue), 20);
  Memo->setEnabled(false);
  EXPECT_EQ(CountPixels(Grab(), CharsRect(0, 5), Blue), 0);
}

TEST_F(ColorMemoTest, CaretShowsInsideAndBesideColouredRuns) {
  SetText("PRINT x");
  for (const int Position : {2, 6}) {
    QTextCursor Cursor(Memo->document());
    Cursor.setPosition(Position - 1);
    Memo->setTextCursor(Cursor);
    QTest::keyClick(Memo, Qt::Key_Right);  // the caret is on after a key
    const QRect Caret = Memo->cursorRect().adjusted(-1, 0, 1, 0);
    EXPECT_GE(TallestColumn(Grab(), Caret, Text()), Caret.height() - 2) << Position;
  }
}

TEST_F(ColorMemoTest, ArrowKeyCollapsesTheSelectionToItsEndFirst) {
  SetText("PRINT abc");
  QTextCursor Cursor(Memo->document());
  Cursor.setPosition(6);
  Cursor.setPosition(2, QTextCursor::KeepAnchor);
  Memo->setTextCursor(Cursor);
  QTest::keyClick(Memo, Qt::Key_Left);
  EXPECT_FALSE(Memo->textCursor().hasSelection());
  EXPECT_EQ(Memo->textCursor().position(), 5);
}

TEST_F(ColorMemoTest, ClickOnAHotSpotHandsItsText) {
  Memo->HotSpot().Active = true;
  SetText(QString("voir ") + QChar(30) + "Aide" + QChar(31) + " et " + QChar(30) + "Index" + QChar(31));
  QStringList Clicked;
  QObject::connect(Memo, &TColorMemo::OnHotSpotClick, [&](TColorMemo* Sender, const QString& SRC) {
    EXPECT_EQ(Sender, Memo);
    Clicked << SRC;
  });
  auto ClickAt = [&](int Position) {
    const QPoint Point = CharsRect(Position, 1).center();
    QMouseEvent Move(QEvent::MouseMove, Point, Memo->viewport()->mapToGlobal(Point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(Memo->viewport(), &Move);
    const bool Hand = Memo->viewport()->cursor().shape() == Qt::PointingHandCursor;
    QTest::mouseClick(Memo->viewport(), Qt::LeftButton, Qt::NoModifier, Point);
    return Hand;
  };
  EXPECT_TRUE(ClickAt(7));
  EXPECT_TRUE(ClickAt(16));
  EXPECT_FALSE(ClickAt(1));
  EXPECT_EQ(Clicked, QStringList({"Aide", "Index"}));
}

}  // namespace
}  // namespace colmemo::test
