#pragma once
// The zoom of one editor window's text: Ctrl++ (Ctrl+= where the keyboard has no plus key),
// Ctrl+-, Ctrl+0 and the wheel with Ctrl change the size of its memo's font. Nothing of it
// outlives the window.

#include <QObject>

class QPlainTextEdit;
class QWidget;

namespace korvane {

class ZoomMemo : public QObject {
  Q_OBJECT

 public:
  // The keys work anywhere in `fenetre`, the wheel over `memo`; it lives as long as `memo`.
  ZoomMemo(QPlainTextEdit& memo, QWidget& fenetre);

  void Agrandit() { Change(1); }
  void Reduit() { Change(-1); }
  // Back to the size the window opened with.
  void Retablit();

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  void Change(int pas);
  void Applique(qreal points);

  QPlainTextEdit& memo_;
  const qreal initiale_;
  // The wheel's turn not yet used, in eighths of a degree: fine wheels send small steps.
  int reste_ = 0;
};

}  // namespace korvane
