#pragma once
// A press-and-hold point button: a 16 × 16 arrow picture that shows its
// pressed picture while a mouse button is held on it.
//
// The pictures are the window's ImageS(0..3), stored under the window's
// name: ▼ takes back (ImageS 0 up, 1 pressed), ▲ adds (ImageS 2 up, 3
// pressed). The window answers MouseDown by setting PointRepeat and the row
// the button acts on, and MouseUp by setting it back to idle; its timer
// does the rest (production/point_buttons.h). A button still held when its
// window closes (by the Enter key) lets go then, so that no hold outlives
// the window.

#include <functional>

#include <QLabel>
#include <QPixmap>

namespace koratsu {

class ArrowButton : public QLabel {
 public:
  enum Direction { TakeBack, Add };  // ▼, ▲

  // `form` is the window whose pictures it shows (form::kSettingsEditor).
  ArrowButton(Direction direction, int form, QWidget* parent);

  // The PointRepeat value of this button: kPointRepeatAdd or kPointRepeatTakeBack.
  int Repeat() const;
  bool Pressed() const { return pressed_; }

  std::function<void()> MouseDown;
  std::function<void()> MouseUp;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void ShowPressed(bool pressed);

  Direction direction_;
  QPixmap up_, down_;
  bool pressed_ = false;
};

}  // namespace koratsu
