#pragma once
// Pieces the activity windows share: their remembered place, the top and
// the buttons of the activity dialogs, and the date and clock line.

#include <array>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "life/activity_windows.h"
#include "platform/window_conventions.h"

namespace koratsu {

// An activity window as it loads goes where the last one was closed, or,
// with no place remembered, centred over the main window.
void PlaceActivityWindow(QWidget* window);
// Where an activity window stands on the screen, as its closing remembers it.
WindowPlace ActivityWindowPlace(const QWidget* window);

// The top of an activity dialog: the heading and "何をしますか？" on their
// bands (`captions` and `bands`, in that order) beside the drop-down list of
// choices, and the picture at the left under them.
struct DialogTop {
  QComboBox* list;
  QLabel* picture;
};
DialogTop BuildDialogTop(QWidget* dialog, const char* heading, std::array<QLabel*, 2>& captions,
                         platform::Shape*& headingBand, platform::Shape*& promptBand, int pictureForm,
                         const char* pictureControl);

// A dialog's start button (the default) and its cancel button やめる, side
// by side at the bottom right, `top` twips down.
void StartAndCancelButtons(QWidget* dialog, const char* start, int top, QPushButton*& startButton,
                           QPushButton*& cancelButton);

// The game's date and clock on one line, from `left` at `top`: the values
// Label2(4) year, (5) month, (6) day, (8) half-day and hour, (3) minute,
// each right-aligned against its unit Label1(4) 年, (5) 月, (6) 日, (7) 時, (2) 分.
struct DateClock {
  std::array<QLabel*, 8>& Label1;
  std::array<QLabel*, 9>& Label2;

  void Build(QWidget* parent, int left, int top);
  void Show();
};

}  // namespace koratsu
