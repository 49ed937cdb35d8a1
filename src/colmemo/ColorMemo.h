#pragma once

#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <string>
#include <vector>

#include "colmemo/DrawRules.h"
#include "colmemo/SpanPass.h"

namespace colmemo {

QColor ToQColor(TColor Color, const QPalette& Palette);
TColor FromQColor(const QColor& Color);

// A plain-text editor that overdraws the visible text in the colours its rules
// and hot spots give; the text, caret and selection are the base's alone.
class TColorMemo : public QPlainTextEdit, public TEventDrawSource {
  Q_OBJECT

 public:
  explicit TColorMemo(QWidget* Owner = nullptr);

  // ColorLimMax and SetColorLimMax come from TEventDrawSource.
  TDrawRules& ColorRules() { return FColorRules; }
  void SetColorRules(const TDrawRules& Rules) { FColorRules.Assign(Rules); }
  bool RedrawAlways() const { return FRedrawAlways; }
  void SetRedrawAlways(bool Value) { FRedrawAlways = Value; }
  THotSpot& HotSpot() { return FHotSpot; }
  void SetHotSpot(const THotSpot& Value) { FHotSpot.Assign(Value); }

  // The colouring pass; outside painting it schedules the repaint of what it coloured.
  virtual void DrawColors(bool CurrentLineOnly);

  // The runs of the last pass and the text range it scanned (start, cut).
  const TKeyDescrList& Runs() const { return Spans; }
  std::pair<int, int> LastScan() const { return {ScanStartPos, ScanEndPos}; }

 signals:
  void OnVScroll(colmemo::TColorMemo* Sender);
  void OnHScroll(colmemo::TColorMemo* Sender);
  void OnHotSpotClick(colmemo::TColorMemo* Sender, const QString& SRC);
  // Sender is the rule being searched; see TEventDrawSource::DoDraw.
  void OnDraw(const colmemo::TColorRule& Sender, std::u16string_view FromPos, std::span<colmemo::TKeyDescr> A,
              int& ItemsCount);
  // A receiver draws the keyword runs instead of the memo.
  void OnDrawKey(QPainter& Canvas, const QString& PKey, const QRect& Rect, colmemo::TColor KColor);

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void keyReleaseEvent(QKeyEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;

 private:
  struct TVisibleBlock {
    QTextBlock Block;
    QPointF Offset;  // where the base draws the block's layout
    qreal Height = 0;
  };
  struct THotSpotHit {
    bool OnHotSpot = false;
    QString Source;
  };

  void DoDraw(const TColorRule& Sender, std::u16string_view FromPos, std::span<TKeyDescr> A,
              int& ItemsCount) override;
  bool CanColor() const;
  void Change();
  void CollectVisibleBlocks();
  const TVisibleBlock* FindVisible(const QTextBlock& Block) const;
  bool FullyVisible(const TVisibleBlock& Line) const;
  void ComputeScanRange(bool CurrentLineOnly);
  void CopyScannedText();
  TPassInput PassInput() const;
  void PaintRuns(QPainter& Painter);
  void PaintBlockRuns(QPainter& Painter, const TVisibleBlock& Line, const QList<QTextLayout::FormatRange>& Ranges);
  bool HandRunToDrawKey(QPainter& Painter, const TVisibleBlock& Line, const TKeyDescr& Run);
  QTextCharFormat RunFormat(const TKeyDescr& Run) const;
  void RedrawCaret(QPainter& Painter);
  THotSpotHit HotSpotAt(const QPoint& Position) const;

  TDrawRules FColorRules{this};
  THotSpot FHotSpot;
  bool FRedrawAlways = false;

  std::u16string TextBuffer;
  TKeyDescrList Spans{100};
  std::vector<TCell> CellBuffer;
  std::vector<TVisibleBlock> Visible;
  int ScanStartPos = 0;
  int ScanEndPos = 0;
  int LastLineCount = 0;
  int LastTextLength = 0;
  QPainter* ActivePainter = nullptr;
  bool HotSpotCursorShown = false;
  QCursor SavedCursor;
};

}  // namespace colmemo
