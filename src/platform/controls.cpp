#include "platform/controls.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

namespace koratsu::platform {

namespace {

// Keys are refused with a beep; Tab still moves the focus on.
class KeyRefusal : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;
        QApplication::beep();
        return true;
      }
      case QEvent::InputMethod:
        return true;
      default:
        return QObject::eventFilter(watched, event);
    }
  }
};

// The open list takes no key either: not even Enter or an arrow picks an
// entry there. Esc alone goes through, closing the list with the choice as
// it was.
class OpenListKeyRefusal : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return QObject::eventFilter(watched, event);
    if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) return false;
    // Asked first whether a key is a shortcut: it is not, and the list's own
    // handling of it (Enter picks the entry) never runs.
    if (type == QEvent::ShortcutOverride) {
      event->accept();
      return true;
    }
    QApplication::beep();
    return true;
  }
};

// The list opens when the focus comes to the box from elsewhere (a click,
// Tab): not when it comes back from the box's own list as that closes, nor
// with its window as that is activated again.
class OpenOnFocus : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
        auto* box = static_cast<QComboBox*>(watched);
        // Opened after the focus change has settled, or the popup steals the
        // focus back while it is still being given.
        QTimer::singleShot(0, box, [box] {
          if (box->hasFocus() && box->isVisible()) box->showPopup();
        });
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

// The wheel over a list's viewport, or over a row inside it (a row passes
// the wheel on to its parent), moves the list's scroll bar.
class WheelToScrollBar : public QObject {
 public:
  WheelToScrollBar(QWidget* viewport, QScrollBar* bar, int rowPitch) : QObject(viewport), bar_(bar), pitch_(rowPitch) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
    event->accept();
    if (!bar_ || !bar_->isEnabled()) return true;
    constexpr double kNotch = 120;  // a wheel's step, in eighths of a degree
    // A fine wheel (a touchpad) sends parts of a notch: they add up.
    const double rows = -static_cast<QWheelEvent*>(event)->angleDelta().y() / kNotch * QApplication::wheelScrollLines();
    // As the bars' own wheel: one event moves a page at most.
    const double page = bar_->pageStep();
    pixels_ += page > 0 ? std::clamp(rows * pitch_, -page, page) : rows * pitch_;
    const int move = static_cast<int>(pixels_);
    pixels_ -= move;
    if (move == 0) return true;
    const int before = bar_->value();
    bar_->setValue(before + move);
    if (bar_->value() == before) pixels_ = 0;  // at the end
    return true;
  }

 private:
  QPointer<QScrollBar> bar_;
  int pitch_;
  double pixels_ = 0;
};

}  // namespace

void MakeDropDown(QComboBox* box) {
  box->setEditable(false);
  box->setFocusPolicy(Qt::StrongFocus);
  box->installEventFilter(new OpenOnFocus(box));
  RefuseTyping(box);
  // Installed after the list's own filter, so asked before it.
  box->view()->installEventFilter(new OpenListKeyRefusal(box));
}

void RefuseTyping(QWidget* control) {
  control->setAttribute(Qt::WA_InputMethodEnabled, false);
  control->installEventFilter(new KeyRefusal(control));
}

void DefaultButton(QPushButton* defaultButton, std::initializer_list<QPushButton*> others) {
  // An auto-default button becomes the default while it has the focus.
  defaultButton->setDefault(true);
  defaultButton->setAutoDefault(true);
  for (QPushButton* button : others) button->setAutoDefault(true);
}

void ScrollWithWheel(QWidget* viewport, QScrollBar* bar, int rowPitch) {
  viewport->installEventFilter(new WheelToScrollBar(viewport, bar, rowPitch));
}

double BarWidth(double value, double cap, double full) { return BarWidth(value, cap, full, full); }

double BarWidth(double value, double cap, double full, double limit) {
  if (!(cap > 0) || !(value > 0) || !(full > 0)) return 0;
  return std::min(full * value / cap, limit);
}

}  // namespace koratsu::platform
