#include "ide/ZoomMemo.h"

#include <QKeySequence>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QWheelEvent>
#include <algorithm>

namespace korvane {

namespace {
constexpr qreal kPointsMin = 6;
constexpr qreal kPointsMax = 72;
// One notch of a common wheel.
constexpr int kCran = 120;
}  // namespace

ZoomMemo::ZoomMemo(QPlainTextEdit& memo, QWidget& fenetre)
    : QObject(&memo), memo_(memo), initiale_(memo.font().pointSizeF()) {
  const auto raccourci = [&fenetre, this](QKeyCombination touche, void (ZoomMemo::*geste)()) {
    auto* action = new QShortcut(QKeySequence(touche), &fenetre);
    action->setContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QShortcut::activated, this, geste);
  };
  raccourci(Qt::CTRL | Qt::Key_Plus, &ZoomMemo::Agrandit);
  raccourci(Qt::CTRL | Qt::Key_Equal, &ZoomMemo::Agrandit);
  raccourci(Qt::CTRL | Qt::Key_Minus, &ZoomMemo::Reduit);
  raccourci(Qt::CTRL | Qt::Key_0, &ZoomMemo::Retablit);
  memo.viewport()->installEventFilter(this);
}

void ZoomMemo::Retablit() { Applique(initiale_); }

void ZoomMemo::Change(int pas) { Applique(memo_.font().pointSizeF() + pas); }

void ZoomMemo::Applique(qreal points) {
  QFont police = memo_.font();
  police.setPointSizeF(std::clamp(points, kPointsMin, kPointsMax));
  memo_.setFont(police);
}

bool ZoomMemo::eventFilter(QObject* objet, QEvent* evenement) {
  if (evenement->type() != QEvent::Wheel) return QObject::eventFilter(objet, evenement);
  const auto& roue = static_cast<const QWheelEvent&>(*evenement);
  if (!roue.modifiers().testFlag(Qt::ControlModifier)) return false;
  reste_ += roue.angleDelta().y();
  for (; reste_ >= kCran; reste_ -= kCran) Agrandit();
  for (; reste_ <= -kCran; reste_ += kCran) Reduit();
  return true;
}

}  // namespace korvane
