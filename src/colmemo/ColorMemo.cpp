#include "colmemo/ColorMemo.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace colmemo {

namespace {

bool IsNavigationKey(int Key) {
  switch (Key) {
    case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_End: case Qt::Key_Home:
    case Qt::Key_Left: case Qt::Key_Up: case Qt::Key_Right: case Qt::Key_Down:
      return true;
    default:
      return false;
  }
}

constexpr Qt::KeyboardModifiers ShiftControlAlt = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

int BlockEnd(const QTextBlock& Block) { return Block.position() + Block.length() - 1; }

}  // namespace

QColor ToQColor(TColor Color, const QPalette& Palette) {
  if (Color == clWindowText) return Palette.color(QPalette::Text);
  if (IsSystemColor(Color)) return Palette.color(QPalette::Base);
  return QColor(static_cast<int>(Color & 0xFF), static_cast<int>((Color >> 8) & 0xFF),
                static_cast<int>((Color >> 16) & 0xFF));
}

TColor FromQColor(const QColor& Color) {
  return static_cast<TColor>(Color.red()) | (static_cast<TColor>(Color.green()) << 8) |
         (static_cast<TColor>(Color.blue()) << 16);
}

TColorMemo::TColorMemo(QWidget* Owner) : QPlainTextEdit(Owner) {
  TextBuffer.reserve(2048);
  viewport()->setMouseTracking(true);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
    emit OnVScroll(this);
    DrawColors(false);
  });
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] {
    emit OnHScroll(this);
    DrawColors(false);
  });
  connect(this, &QPlainTextEdit::textChanged, this, &TColorMemo::Change);
}

void TColorMemo::DoDraw(const TColorRule& Sender, std::u16string_view FromPos, std::span<TKeyDescr> A,
                        int& ItemsCount) {
  emit OnDraw(Sender, FromPos, A, ItemsCount);
}

bool TColorMemo::CanColor() const {
  return isEnabled() && isVisible() && (FColorRules.Count() > 0 || FHotSpot.Active);
}

void TColorMemo::Change() {
  if (FRedrawAlways) {
    DrawColors(false);
    return;
  }
  const int LineCount = blockCount();
  const int TextLength = document()->characterCount() - 1;
  // One character typed within a line leaves the other lines as they were.
  DrawColors(LineCount == LastLineCount && TextLength == LastTextLength + 1);
  LastLineCount = LineCount;
  LastTextLength = TextLength;
}

void TColorMemo::DrawColors(bool CurrentLineOnly) {
  if (!CanColor()) {
    Spans.FreeAll();
    return;
  }
  CollectVisibleBlocks();
  ComputeScanRange(CurrentLineOnly);
  CopyScannedText();
  ColorPass(FColorRules, PassInput(), Spans, CellBuffer);
  if (ActivePainter != nullptr) {
    PaintRuns(*ActivePainter);
    return;
  }
  const TVisibleBlock* Caret = CurrentLineOnly ? FindVisible(textCursor().block()) : nullptr;
  if (Caret != nullptr)
    viewport()->update(QRectF(0, Caret->Offset.y(), viewport()->width(), Caret->Height).toAlignedRect());
  else
    viewport()->update();
}

void TColorMemo::CollectVisibleBlocks() {
  Visible.clear();
  QPointF Offset = contentOffset();
  const int Bottom = viewport()->height();
  for (QTextBlock Block = firstVisibleBlock(); Block.isValid(); Block = Block.next()) {
    const qreal Height = blockBoundingRect(Block).height();
    if (Block.isVisible()) Visible.push_back({Block, Offset, Height});
    Offset.ry() += Height;
    if (Offset.y() > Bottom) break;
  }
}

const TColorMemo::TVisibleBlock* TColorMemo::FindVisible(const QTextBlock& Block) const {
  if (Visible.empty()) return nullptr;
  const auto Index = static_cast<std::size_t>(Block.blockNumber() - Visible.front().Block.blockNumber());
  if (Index < Visible.size() && Visible[Index].Block == Block) return &Visible[Index];
  // Hidden blocks break the numbering.
  for (const TVisibleBlock& Line : Visible)
    if (Line.Block == Block) return &Line;
  return nullptr;
}

bool TColorMemo::FullyVisible(const TVisibleBlock& Line) const {
  const qreal Bottom = Line.Offset.y() + Line.Height;
  return Bottom > 0 && Bottom <= viewport()->height();
}

void TColorMemo::ComputeScanRange(bool CurrentLineOnly) {
  const QTextBlock First = CurrentLineOnly ? textCursor().block() : firstVisibleBlock();
  const int Above = FColorRules.Count() > 0 ? std::max(FColorRules[0].KeyMaxHeight - 1, 0) : 0;
  QTextBlock Start = First;
  for (int I = 0; I < Above && Start.previous().isValid(); ++I) Start = Start.previous();
  ScanStartPos = Start.position();
  ScanEndPos = First.position();
  if (CurrentLineOnly) {
    const TVisibleBlock* Line = FindVisible(First);
    if (Line != nullptr && FullyVisible(*Line)) ScanEndPos = BlockEnd(First);
    return;
  }
  // The last, partly visible line keeps the base's colours.
  for (const TVisibleBlock& Line : Visible) {
    if (!FullyVisible(Line)) {
      ScanEndPos = Line.Block.position();
      return;
    }
    ScanEndPos = BlockEnd(Line.Block);
    if (!Line.Block.next().isValid()) return;
  }
}

void TColorMemo::CopyScannedText() {
  TextBuffer.clear();
  for (QTextBlock Block = document()->findBlock(ScanStartPos); Block.isValid() && Block.position() < ScanEndPos;
       Block = Block.next()) {
    const QString Line = Block.text();
    TextBuffer.append(reinterpret_cast<const char16_t*>(Line.utf16()), static_cast<std::size_t>(Line.size()));
    TextBuffer.push_back(u'\n');
  }
  TextBuffer.resize(static_cast<std::size_t>(std::max(ScanEndPos - ScanStartPos, 0)));
}

TPassInput TColorMemo::PassInput() const {
  const QTextCursor Cursor = textCursor();
  TPassInput Input;
  Input.Text = TextBuffer;
  Input.Origin = ScanStartPos;
  Input.HotSpot = FHotSpot;
  Input.AcceptsTabs = !tabChangesFocus();
  Input.RedrawAlways = FRedrawAlways;
  Input.SelStart = Cursor.selectionStart();
  Input.SelLength = Cursor.selectionEnd() - Cursor.selectionStart();
  Input.CaretLineStart = document()->findBlock(Input.SelStart).position();
  return Input;
}

void TColorMemo::paintEvent(QPaintEvent* Event) {
  QPlainTextEdit::paintEvent(Event);
  QPainter Painter(viewport());
  Painter.setClipRect(Event->rect());
  ActivePainter = &Painter;
  DrawColors(false);
  ActivePainter = nullptr;
}

QTextCharFormat TColorMemo::RunFormat(const TKeyDescr& Run) const {
  const QColor Color = ToQColor(Run.Color, palette());
  QTextCharFormat Format;
  Format.setForeground(Color);
  Format.setBackground(Run.Order == OrderHotSpotMarker ? Color : palette().color(QPalette::Base));
  if (Run.Order == OrderHotSpotText && FHotSpot.Underlined) Format.setFontUnderline(true);
  return Format;
}

void TColorMemo::PaintRuns(QPainter& Painter) {
  const bool DrawKeys = isSignalConnected(QMetaMethod::fromSignal(&TColorMemo::OnDrawKey));
  const TVisibleBlock* Line = nullptr;
  QList<QTextLayout::FormatRange> Ranges;
  for (int I = 0; I < Spans.Count() && !Spans[I].IsFree(); ++I) {
    const TKeyDescr& Run = Spans[I];
    if (Run.StartPos < 0 || Run.EndPos == NoPos || Run.Order == OrderSelection || Run.Order == OrderTab) continue;
    QTextBlock Block = document()->findBlock(Run.StartPos);
    if (Run.DrawKey == 1 && DrawKeys && Run.EndPos < BlockEnd(Block)) {
      if (const TVisibleBlock* KeyLine = FindVisible(Block)) HandRunToDrawKey(Painter, *KeyLine, Run);
      continue;
    }
    // A run over several lines is drawn line by line, without the line breaks.
    for (int From = Run.StartPos; Block.isValid() && From <= Run.EndPos; Block = Block.next()) {
      const int To = std::min(Run.EndPos, BlockEnd(Block) - 1);
      const TVisibleBlock* Target = FindVisible(Block);
      if (Target != Line) {
        if (Line != nullptr && !Ranges.isEmpty()) PaintBlockRuns(Painter, *Line, Ranges);
        Ranges.clear();
        Line = Target;
      }
      if (Target != nullptr && To >= From) Ranges.append({From - Block.position(), To - From + 1, RunFormat(Run)});
      From = BlockEnd(Block) + 1;
    }
  }
  if (Line != nullptr && !Ranges.isEmpty()) PaintBlockRuns(Painter, *Line, Ranges);
  RedrawCaret(Painter);
}

// Lets the block's own layout redraw the runs, so every glyph stays where the
// base put it; the clip keeps the rest of the line untouched.
void TColorMemo::PaintBlockRuns(QPainter& Painter, const TVisibleBlock& Line,
                                const QList<QTextLayout::FormatRange>& Ranges) {
  QTextLayout* Layout = Line.Block.layout();
  const QPointF Origin = Line.Offset + Layout->position();
  QRegion Region;
  for (const QTextLayout::FormatRange& Range : Ranges) {
    for (int L = 0; L < Layout->lineCount(); ++L) {
      const QTextLine TextLine = Layout->lineAt(L);
      const int First = std::max(Range.start, TextLine.textStart());
      const int Last = std::min(Range.start + Range.length, TextLine.textStart() + TextLine.textLength());
      if (First >= Last) continue;
      const qreal X1 = TextLine.cursorToX(First);
      const qreal X2 = TextLine.cursorToX(Last);
      Region += QRectF(Origin.x() + std::min(X1, X2), Origin.y() + TextLine.y(), std::abs(X2 - X1), TextLine.height())
                    .toAlignedRect();
    }
  }
  Painter.save();
  Painter.setClipRegion(Region, Qt::IntersectClip);
  Layout->draw(&Painter, Line.Offset, Ranges);
  Painter.restore();
}

bool TColorMemo::HandRunToDrawKey(QPainter& Painter, const TVisibleBlock& Line, const TKeyDescr& Run) {
  QTextLayout* Layout = Line.Block.layout();
  const int InBlock = Run.StartPos - Line.Block.position();
  const QTextLine TextLine = Layout->lineForTextPosition(InBlock);
  if (!TextLine.isValid()) return false;
  const QString Key = Line.Block.text().mid(InBlock, Run.EndPos - Run.StartPos + 1);
  const QPointF Origin = Line.Offset + Layout->position();
  const int X = qRound(Origin.x() + TextLine.cursorToX(InBlock));
  const int Y = qRound(Origin.y() + TextLine.y());
  const QRect Rect(X, Y, fontMetrics().horizontalAdvance(Key), qRound(TextLine.height()));
  Painter.save();
  Painter.setFont(font());
  Painter.setPen(ToQColor(Run.Color, palette()));
  emit OnDrawKey(Painter, Key, Rect, FromQColor(palette().color(QPalette::Text)));
  Painter.restore();
  return true;
}

// The base drew the caret before the runs covered it.
void TColorMemo::RedrawCaret(QPainter& Painter) {
  const int Position = getPaintContext().cursorPosition;
  const bool Interactive = !isReadOnly() || (textInteractionFlags() & Qt::TextSelectableByKeyboard);
  if (Position < 0 || !Interactive) return;
  const QTextBlock Block = document()->findBlock(Position);
  const TVisibleBlock* Line = FindVisible(Block);
  if (Line == nullptr) return;
  Painter.save();
  Painter.setPen(palette().color(QPalette::Text));
  Block.layout()->drawCursor(&Painter, Line->Offset, Position - Block.position(), cursorWidth());
  Painter.restore();
}

void TColorMemo::keyPressEvent(QKeyEvent* Event) {
  if (IsNavigationKey(Event->key()) && !(Event->modifiers() & ShiftControlAlt) && textCursor().hasSelection()) {
    QTextCursor Cursor = textCursor();
    Cursor.setPosition(Cursor.selectionEnd());
    setTextCursor(Cursor);
    DrawColors(false);
  }
  QPlainTextEdit::keyPressEvent(Event);
}

void TColorMemo::keyReleaseEvent(QKeyEvent* Event) {
  if (Event->key() == Qt::Key_Shift && !(Event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
    DrawColors(false);
  QPlainTextEdit::keyReleaseEvent(Event);
}

void TColorMemo::mousePressEvent(QMouseEvent* Event) {
  QPlainTextEdit::mousePressEvent(Event);
  if (Event->button() == Qt::LeftButton && Event->buttons() == Qt::LeftButton &&
      !(Event->modifiers() & ShiftControlAlt))
    DrawColors(false);
}

void TColorMemo::mouseReleaseEvent(QMouseEvent* Event) {
  QPlainTextEdit::mouseReleaseEvent(Event);
  if (Event->button() != Qt::LeftButton) return;
  DrawColors(false);
  if (!HotSpotCursorShown) return;
  const THotSpotHit Hit = HotSpotAt(Event->position().toPoint());
  if (Hit.OnHotSpot) emit OnHotSpotClick(this, Hit.Source);
}

void TColorMemo::mouseMoveEvent(QMouseEvent* Event) {
  QPlainTextEdit::mouseMoveEvent(Event);
  if (!FHotSpot.Active) return;
  const bool OnHotSpot = HotSpotAt(Event->position().toPoint()).OnHotSpot;
  if (OnHotSpot && !HotSpotCursorShown) {
    SavedCursor = viewport()->cursor();
    viewport()->setCursor(Qt::PointingHandCursor);
  } else if (!OnHotSpot && HotSpotCursorShown) {
    viewport()->setCursor(SavedCursor);
  }
  HotSpotCursorShown = OnHotSpot;
}

// Rest is the line from the character under the mouse on; the mouse is on a
// hot spot when an EndChar follows before any further BeginChar.
TColorMemo::THotSpotHit TColorMemo::HotSpotAt(const QPoint& Position) const {
  const QTextCursor Cursor = cursorForPosition(Position);
  const QString Text = Cursor.block().text();
  const int Column = Cursor.positionInBlock();
  const QString Rest = Text.mid(Column);
  const QChar Begin(FHotSpot.BeginChar);
  const QChar End(FHotSpot.EndChar);
  const int PosEnd = static_cast<int>(Rest.indexOf(End)) + 1;
  const int PosBegin = static_cast<int>(Rest.indexOf(Begin)) + 1;
  THotSpotHit Hit;
  Hit.OnHotSpot = PosEnd >= 1 && (PosBegin == 0 || PosBegin > PosEnd || Begin == End);
  if (!Hit.OnHotSpot) return Hit;
  const QString Before = Text.left(Column);
  const int LastBegin = static_cast<int>(Before.lastIndexOf(Begin));
  Hit.Source = Before.mid(LastBegin + 1) + Rest.left(PosEnd - 1);
  return Hit;
}

}  // namespace colmemo
