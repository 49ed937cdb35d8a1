#include "colmemo/ColorMemo.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <iterator>

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
  connect(document(), &QTextDocument::contentsChange, this, &TColorMemo::ContentsChange);
  connect(this, &QPlainTextEdit::textChanged, this, &TColorMemo::Change);
  // The selection protects its characters, and RedrawAlways colours the caret line up to the caret.
  connect(this, &QPlainTextEdit::selectionChanged, this, [this] { DrawColors(false); });
  connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
    if (FRedrawAlways) DrawColors(false);
  });
}

void TColorMemo::SetColorRules(const TDrawRules& Rules) {
  FColorRules.Assign(Rules);
  DrawColors(false);
}

void TColorMemo::SetRedrawAlways(bool Value) {
  FRedrawAlways = Value;
  DrawColors(false);
}

void TColorMemo::SetHotSpot(const THotSpot& Value) {
  FHotSpot.Assign(Value);
  DrawColors(false);
}

void TColorMemo::DoDraw(const TColorRule& Sender, std::u16string_view FromPos, std::span<TKeyDescr> A,
                        int& ItemsCount) {
  emit OnDraw(Sender, FromPos, A, ItemsCount);
}

bool TColorMemo::CanColor() const {
  return isEnabled() && isVisible() && (FColorRules.Count() > 0 || FHotSpot.Active);
}

// Runs after the edit move with their text; the pass that Change runs next
// replaces the runs over the edit.
void TColorMemo::ContentsChange(int Position, int Removed, int Added) {
  const QTextBlock Block = document()->findBlock(Position);
  ChangedBlock = Block == document()->findBlock(Position + Added) ? Block.blockNumber() : -1;
  // The layout is not redone yet: these are the lines the block wrapped into before the edit.
  ChangedBlockLines = Block.layout()->lineCount();
  for (TRunPart& Part : Painted) {
    if (Part.Run.StartPos < Position + Removed) continue;
    Part.Run.StartPos += Added - Removed;
    Part.Run.EndPos += Added - Removed;
  }
}

void TColorMemo::Change() {
  if (FRedrawAlways) {
    DrawColors(false);
    return;
  }
  const int LineCount = blockCount();
  const int TextLength = document()->characterCount() - 1;
  // One character typed within the caret's line leaves the other lines as they
  // were, unless it wraps that line anew and so moves the lines below.
  const QTextBlock Caret = textCursor().block();
  DrawColors(LineCount == LastLineCount && TextLength == LastTextLength + 1 &&
             ChangedBlock == Caret.blockNumber() && ChangedBlockLines == Caret.layout()->lineCount());
  LastLineCount = LineCount;
  LastTextLength = TextLength;
  ChangedBlock = -1;
}

void TColorMemo::DrawColors(bool CurrentLineOnly) {
  if (!CanColor()) {
    Spans.FreeAll();
    if (!Painted.empty()) viewport()->update();
    Painted.clear();
    return;
  }
  CollectVisibleBlocks();
  ComputeScanRange(CurrentLineOnly);
  CopyScannedText();
  ColorPass(FColorRules, PassInput(), Spans, CellBuffer);
  KeepRuns(CurrentLineOnly);
  UpdateScanned(CurrentLineOnly);
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

// A whole pass replaces what a paint draws; a caret-line pass replaces the
// parts in the range it scanned. That range is whole lines and a part lies
// within one line, so no part straddles it.
void TColorMemo::KeepRuns(bool CurrentLineOnly) {
  Spliced.clear();
  auto Kept = Painted.begin();
  if (CurrentLineOnly)
    for (; Kept != Painted.end() && Kept->Run.StartPos < ScanStartPos; ++Kept) Spliced.push_back(std::move(*Kept));
  QTextBlock Block = document()->findBlock(ScanStartPos);
  for (int I = 0; I < Spans.Count() && !Spans[I].IsFree(); ++I) {
    const TKeyDescr& Run = Spans[I];
    // Tabs and the selection only protect their characters.
    if (Run.StartPos < 0 || Run.EndPos == NoPos || Run.Order == OrderSelection || Run.Order == OrderTab) continue;
    while (Block.isValid() && BlockEnd(Block) < Run.StartPos) Block = Block.next();
    // A run over several lines is drawn line by line, without the line breaks.
    for (QTextBlock Line = Block; Line.isValid() && Line.position() <= Run.EndPos; Line = Line.next()) {
      const int From = std::max(Run.StartPos, Line.position());
      const int To = std::min(Run.EndPos, BlockEnd(Line) - 1);
      if (To >= From) Spliced.push_back(LayOutPart(Line, From, To, Run));
    }
  }
  if (CurrentLineOnly)
    for (; Kept != Painted.end(); ++Kept)
      if (Kept->Run.StartPos >= ScanEndPos) Spliced.push_back(std::move(*Kept));
  Painted.swap(Spliced);
  Spliced.clear();
}

// The glyphs come from the block's own layout, so they land where the base drew them.
TColorMemo::TRunPart TColorMemo::LayOutPart(const QTextBlock& Block, int From, int To, const TKeyDescr& Run) const {
  TRunPart Part{Run, {}, {}};
  Part.Run.StartPos = From;
  Part.Run.EndPos = To;
  const QTextLayout* Layout = Block.layout();
  const int First = From - Block.position();
  const int Last = To - Block.position() + 1;
  for (int L = 0; L < Layout->lineCount(); ++L) {
    const QTextLine TextLine = Layout->lineAt(L);
    const int Left = std::max(First, TextLine.textStart());
    const int Right = std::min(Last, TextLine.textStart() + TextLine.textLength());
    if (Left >= Right) continue;
    const qreal X1 = TextLine.cursorToX(Left);
    const qreal X2 = TextLine.cursorToX(Right);
    Part.Cells.append(QRectF(std::min(X1, X2), TextLine.y(), std::abs(X2 - X1), TextLine.height()));
  }
  if (Run.Order != OrderHotSpotMarker) Part.Glyphs = Layout->glyphRuns(First, Last - First);
  return Part;
}

void TColorMemo::UpdateScanned(bool CurrentLineOnly) {
  if (!CurrentLineOnly) {
    viewport()->update();
    return;
  }
  QRectF Area;
  for (const TVisibleBlock& Line : Visible)
    if (Line.Block.position() >= ScanStartPos && Line.Block.position() <= ScanEndPos)
      Area |= QRectF(0, Line.Offset.y(), viewport()->width(), Line.Height);
  if (!Area.isEmpty()) viewport()->update(Area.toAlignedRect());
}

void TColorMemo::paintEvent(QPaintEvent* Event) {
  QPlainTextEdit::paintEvent(Event);
  if (Painted.empty()) return;
  QPainter Painter(viewport());
  Painter.setClipRect(Event->rect());
  CollectVisibleBlocks();
  PaintRuns(Painter, Event->rect());
  RedrawCaret(Painter);
}

void TColorMemo::resizeEvent(QResizeEvent* Event) {
  QPlainTextEdit::resizeEvent(Event);
  DrawColors(false);
}

void TColorMemo::showEvent(QShowEvent* Event) {
  QPlainTextEdit::showEvent(Event);
  DrawColors(false);
}

void TColorMemo::changeEvent(QEvent* Event) {
  QPlainTextEdit::changeEvent(Event);
  if (Event->type() == QEvent::EnabledChange || Event->type() == QEvent::FontChange) DrawColors(false);
}

void TColorMemo::PaintRuns(QPainter& Painter, const QRect& Area) {
  TPaintStyle Style{palette().color(QPalette::Base), QFontMetricsF(font()),
                    isSignalConnected(QMetaMethod::fromSignal(&TColorMemo::OnDrawKey))};
  auto Part = Painted.cbegin();
  for (const TVisibleBlock& Line : Visible) {
    const int Start = Line.Block.position();
    const int End = BlockEnd(Line.Block);
    const bool Exposed = Line.Offset.y() <= Area.bottom() && Line.Offset.y() + Line.Height > Area.top();
    while (Part != Painted.cend() && Part->Run.StartPos < Start) ++Part;
    for (; Part != Painted.cend() && Part->Run.StartPos < End; ++Part)
      if (Exposed) PaintPart(Painter, Line, *Part, Style);
  }
}

// Erases the base's glyphs under the part and draws the same glyphs in its colour.
void TColorMemo::PaintPart(QPainter& Painter, const TVisibleBlock& Line, const TRunPart& Part,
                           const TPaintStyle& Style) {
  if (Part.Run.DrawKey == 1 && Style.DrawKeys) {
    HandPartToDrawKey(Painter, Line, Part);
    return;
  }
  const QPointF Origin = Line.Offset + Line.Block.layout()->position();
  const QColor Color = ToQColor(Part.Run.Color, palette());
  const bool Marker = Part.Run.Order == OrderHotSpotMarker;
  const bool Underlined = Part.Run.Order == OrderHotSpotText && FHotSpot.Underlined;
  for (const QRectF& Cell : Part.Cells) {
    const QRectF At = Cell.translated(Origin);
    Painter.fillRect(At, Marker ? Color : Style.Background);
    // A glyph run's own underline stops short of its last glyph's advance;
    // this one lies where the base's text drawing puts an underline.
    if (!Underlined) continue;
    const qreal Left = std::floor(At.left());
    const qreal Top = At.top() + Style.Metrics.ascent() + std::ceil(Style.Metrics.underlinePos());
    Painter.fillRect(QRectF(Left, Top, std::floor(At.right()) - Left, std::max(Style.Metrics.lineWidth(), 1.0)), Color);
  }
  Painter.setPen(Color);
  for (const QGlyphRun& Glyphs : Part.Glyphs) Painter.drawGlyphRun(Origin, Glyphs);
}

void TColorMemo::HandPartToDrawKey(QPainter& Painter, const TVisibleBlock& Line, const TRunPart& Part) {
  if (Part.Cells.isEmpty()) return;
  const QString Key =
      Line.Block.text().mid(Part.Run.StartPos - Line.Block.position(), Part.Run.EndPos - Part.Run.StartPos + 1);
  const QRectF Cell = Part.Cells.front().translated(Line.Offset + Line.Block.layout()->position());
  const QRect Rect(qRound(Cell.x()), qRound(Cell.y()), fontMetrics().horizontalAdvance(Key), qRound(Cell.height()));
  Painter.save();
  Painter.setFont(font());
  Painter.setPen(ToQColor(Part.Run.Color, palette()));
  emit OnDrawKey(Painter, Key, Rect, FromQColor(palette().color(QPalette::Text)));
  Painter.restore();
}

// The base drew the caret, by inverting pixels, before a run covered it; it
// is drawn again only where a run did cover it, lest it be inverted back.
void TColorMemo::RedrawCaret(QPainter& Painter) {
  const int Position = getPaintContext().cursorPosition;
  const bool Interactive = !isReadOnly() || (textInteractionFlags() & Qt::TextSelectableByKeyboard);
  if (Position < 0 || !Interactive) return;
  const auto After = std::upper_bound(Painted.cbegin(), Painted.cend(), Position,
                                      [](int At, const TRunPart& Part) { return At < Part.Run.StartPos; });
  if (After == Painted.cbegin() || std::prev(After)->Run.EndPos < Position) return;
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
  }
  QPlainTextEdit::keyPressEvent(Event);
}

void TColorMemo::mouseReleaseEvent(QMouseEvent* Event) {
  QPlainTextEdit::mouseReleaseEvent(Event);
  if (Event->button() != Qt::LeftButton || !HotSpotCursorShown) return;
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
