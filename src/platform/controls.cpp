#include "platform/controls.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QTimer>

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

// The list opens whenever the box gets the focus.
class OpenOnFocus : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      auto* box = static_cast<QComboBox*>(watched);
      // Opened after the focus change has settled, or the popup steals the
      // focus back while it is still being given.
      QTimer::singleShot(0, box, [box] {
        if (box->hasFocus() && box->isVisible()) box->showPopup();
      });
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void MakeDropDown(QComboBox* box) {
  box->setEditable(false);
  box->setFocusPolicy(Qt::StrongFocus);
  box->installEventFilter(new OpenOnFocus(box));
  RefuseTyping(box);
}

void RefuseTyping(QWidget* control) {
  control->setAttribute(Qt::WA_InputMethodEnabled, false);
  control->installEventFilter(new KeyRefusal(control));
}

double BarWidth(double value, double cap, double full) { return BarWidth(value, cap, full, full); }

double BarWidth(double value, double cap, double full, double limit) {
  if (!(cap > 0) || !(value > 0) || !(full > 0)) return 0;
  return std::min(full * value / cap, limit);
}

}  // namespace koratsu::platform
