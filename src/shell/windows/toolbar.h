#pragma once
// The toolbar's picture buttons, shared by the docked strip of the main
// window and the floating tool window Form30: the image control with the
// mouse events of the design, and the table of the 21 buttons.

#include <array>
#include <functional>
#include <span>

#include <QPixmap>
#include <QWidget>

#include "shell/commands.h"

namespace koratsu {

// An image control: shows its picture as it is (also while disabled, when it
// ignores the mouse) and reports the mouse by the design's button codes
// (1 left, 2 right, 4 middle). Click follows a left release over the control.
class ToolImage : public QWidget {
 public:
  ToolImage(int index, QWidget* parent);

  int Index() const { return index_; }
  void SetPicture(const QPixmap& picture);
  const QPixmap& Picture() const { return picture_; }

  std::function<void(int index, int button)> MouseDown;
  std::function<void(int index, int button)> MouseUp;
  std::function<void(int index)> MouseMove;
  std::function<void(int index)> Click;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  int index_;
  QPixmap picture_;
};

// One of the 21 buttons. Button k is BSave(3k); BSave(3k + 1) keeps its
// normal picture and BSave(3k + 2) its pressed one.
struct ToolButton {
  int index;
  int left;    // twips from the left of the docked strip
  int column;  // cell in the floating window, 1 to 4; 0: not there
  int row;     // 1 to 5
  const char* tooltip;
  const char* status;
  shell::Command command;
};

constexpr int kBSaveCount = 63;
constexpr int kToolButtonCount = 21;
constexpr int kToolButtonTop = 60;      // twips
constexpr int kToolButtonWidth = 345;   // twips, 23 pixels
constexpr int kToolButtonHeight = 330;  // twips, 22 pixels
constexpr int kSaveButton = 0;
constexpr int kLoadButton = 33;

std::span<const ToolButton> ToolButtons();
// The button of index 3k, or nullptr.
const ToolButton* FindToolButton(int index);

// Hovering over a button: its text in the status line from the clock's next
// event on, and its tooltip.
void ToolButtonHover(ToolImage& image);

}  // namespace koratsu
