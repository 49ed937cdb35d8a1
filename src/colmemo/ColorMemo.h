#pragma once

#include <QGlyphRun>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <string>
#include <vector>

#include "colmemo/DrawRules.h"
#include "colmemo/SpanPass.h"

namespace colmemo {

QColor ToQColor(TColor Color, const QPalette& Palette);
TColor FromQColor(const QColor& Color);

// A plain-text editor that overdraws the visible text in the colours its rules
// and hot spots give; the text, caret and selection are the base's alone.
// Each colouring pass keeps its runs, and a paint draws the runs kept.
class TColorMemo : public QPlainTextEdit, public TEventDrawSource {
  Q_OBJECT

 public:
  explicit TColorMemo(QWidget* Owner = nullptr);

  // ColorLimMax and SetColorLimMax come from TEventDrawSource.
  TDrawRules& ColorRules() { return FColorRules; }
  void SetColorRules(const TDrawRules& Rules);
  bool RedrawAlways() const { return FRedrawAlways; }
  void SetRedrawAlways(bool Value);
  THotSpot& HotSpot() { return FHotSpot; }
  void SetHotSpot(const THotSpot& Value);

  // The colouring pass: it keeps the runs of the range it scanned and
  // schedules the repaint of that range. A caller that edits the rules or the
  // hot spot through their references, or changes what OnDraw answers, runs it.
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
  void resizeEvent(QResizeEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  void changeEvent(QEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;

 private:
  struct TVisibleBlock {
    QTextBlock Block;
    QPointF Offset;  // where the base draws the block's layout
    qreal Height = 0;
  };
  // One line's share of a run, laid out by the pass that kept it.
  struct TRunPart {
    TKeyDescr Run;            // its characters, as offsets in the whole text
    QList<QRectF> Cells;      // what it covers, from its layout's origin
    QList<QGlyphRun> Glyphs;  // from the same origin; none for a solid marker
  };
  // What every part of one paint shares.
  struct TPaintStyle {
    QColor Background;
    QFontMetricsF Metrics;
    bool DrawKeys;  // a receiver draws the keyword runs
  };
  struct THotSpotHit {
    bool OnHotSpot = false;
    QString Source;
  };

  void DoDraw(const TColorRule& Sender, std::u16string_view FromPos, std::span<TKeyDescr> A,
              int& ItemsCount) override;
  bool CanColor() const;
  void Change();
  void ContentsChange(int Position, int Removed, int Added);
  void CollectVisibleBlocks();
  const TVisibleBlock* FindVisible(const QTextBlock& Block) const;
  bool FullyVisible(const TVisibleBlock& Line) const;
  void ComputeScanRange(bool CurrentLineOnly);
  void CopyScannedText();
  TPassInput PassInput() const;
  void KeepRuns(bool CurrentLineOnly);
  TRunPart LayOutPart(const QTextBlock& Block, int From, int To, const TKeyDescr& Run) const;
  void UpdateScanned(bool CurrentLineOnly);
  void PaintRuns(QPainter& Painter, const QRect& Area);
  void PaintPart(QPainter& Painter, const TVisibleBlock& Line, const TRunPart& Part, const TPaintStyle& Style);
  void HandPartToDrawKey(QPainter& Painter, const TVisibleBlock& Line, const TRunPart& Part);
  void RedrawCaret(QPainter& Painter);
  THotSpotHit HotSpotAt(const QPoint& Position) const;

  TDrawRules FColorRules{this};
  THotSpot FHotSpot;
  bool FRedrawAlways = false;

  std::u16string TextBuffer;
  TKeyDescrList Spans{100};
  std::vector<TCell> CellBuffer;
  std::vector<TRunPart> Painted;  // what a paint draws, by position
  std::vector<TRunPart> Spliced;  // the next Painted, while a pass builds it
  std::vector<TVisibleBlock> Visible;
  int ScanStartPos = 0;
  int ScanEndPos = 0;
  int LastLineCount = 0;
  int LastTextLength = 0;
  int ChangedBlock = -1;  // number of the block the last edit lay in, -1 when it spanned several
  int ChangedBlockLines = 0;
  bool HotSpotCursorShown = false;
  QCursor SavedCursor;
};

}  // namespace colmemo
