#pragma once
// Form29: the knowledge list, a child window of the main window that lists
// every knowledge item the player holds points in, with its points against
// the common cap and a bar. It keeps itself up to date through its rebuild
// and redraw requests, and can be stretched in height but not in width; the
// list scrolls, with its scroll bar or the mouse wheel, when it is taller
// than the window.

#include <array>
#include <vector>

#include <QLabel>
#include <QScrollBar>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form29 : public platform::Form {
 public:
  // The window's width, held whatever the player drags.
  static constexpr int kWidth = 289;  // pixels

  Form29();

  std::array<platform::Shape*, 1> Shape1{};  // the band behind the heading
  std::array<QLabel*, 7> Label3{};           // 6 the heading
  std::array<platform::Shape*, 2> Line1{};
  QWidget* Picture2;  // the viewport
  QWidget* Picture1;  // the list inside it
  QScrollBar* VScroll1;
  // One row per listed item, made when the list first needs it and kept
  // while the window is open: the name, the points, the bar's frame and the bar.
  std::vector<QLabel*> Label1, Label2;
  std::vector<platform::Shape*> Shape10, Shape;

  // The window's timer step: serves its rebuild and redraw requests.
  void Timer1_Timer() { ServeRefreshRequests(); }
  void VScroll1_Change();

 protected:
  void Form_Load() override;
  void Rebuild() override;
  void Redraw() override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Form_Resize();
  void AddRow();
  bool resizing_ = false;
};

}  // namespace koratsu
