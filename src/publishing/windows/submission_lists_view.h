#pragma once
// The two lists that the windows sending a work to a publisher share (the
// posting window Form8 and the bring-in window): the works not sent yet and
// the magazines, each a picture of 15-pixel rows scrolled inside its
// viewport, with a selection bar behind the rows and a scroll bar beside,
// which the mouse wheel over the list moves too.
// The window places the lists, gives them their headings and decides what a
// pressed row does.

#include <array>
#include <functional>
#include <vector>

#include <QLabel>
#include <QRect>
#include <QScrollBar>
#include <QWidget>

#include "platform/window_conventions.h"

namespace koratsu {

// A row label that tells when it is pressed.
class RowLabel : public QLabel {
 public:
  RowLabel(QWidget* parent, std::function<void()> pressed) : QLabel(parent), pressed_(std::move(pressed)) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::function<void()> pressed_;
};

struct SubmissionListsLayout {
  QRect works;      // the works list's viewport, in pixels of the window
  QRect magazines;  // the magazine list's viewport
  // The magazine columns' widths: publisher, magazine and, when above 0, the fee.
  int publisherWidth, nameWidth, feeWidth;
};

class SubmissionLists {
 public:
  SubmissionLists(QWidget* window, const SubmissionListsLayout& layout);

  // Loads one row label per work listed and per magazine, captions them and
  // sizes both pictures and their scroll bars.
  void Fill();
  // Shows a row as the selected one: its labels white over the bar, the others black.
  void ShowWorkSelected(int row);
  void ShowMagazineSelected(int row);

  // What a press on a row does; the window sets them.
  std::function<void(int row)> Label7_MouseDown;
  std::function<void(int row)> Label1_MouseDown;  // any column of the magazine row

  QWidget* Picture4;  // the works viewport
  QWidget* Picture2;  // the works, scrolled inside it
  QScrollBar* VScroll2;
  platform::Shape* WorksBar;
  std::vector<QLabel*> Label7;  // the works' titles

  QWidget* Picture3;  // the magazines' viewport
  QWidget* Picture1;  // the magazines, scrolled inside it
  QScrollBar* VScroll1;
  platform::Shape* MagazineBar;
  std::vector<QLabel*> Label1, Label2, Label4;  // publisher, magazine, fee (no fee column: none)
  std::vector<platform::Shape*> Line1;          // the column rules

  void VScroll1_Change();
  void VScroll2_Change();

 private:
  QLabel* AddRow(QWidget* picture, int row, int left, int width, bool magazine);
  void SetScrollRange(QScrollBar* bar, const QWidget* picture, const QWidget* viewport);
  static void ColourRows(const std::vector<QLabel*>& labels, int row);

  SubmissionListsLayout layout_;
};

// The details both windows show beside the lists, in their Label5: 0
// publisher, 1 magazine, 2 its description, 7 adoptions, 8 fee; 4 the work's
// audience, 5 its genre.
using SubmissionDetails = std::array<QLabel*, 9>;
void ShowWorkDetails(const SubmissionDetails& details, int row);
void ShowMagazineDetails(const SubmissionDetails& details, int row);

}  // namespace koratsu
