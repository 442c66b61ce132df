#pragma once
// Pieces the activity windows share: captions on the heading bands, sunken
// panels, the stamina gauge of the activity dialogs and the progress bar of
// the progress windows.

#include <array>

#include <QComboBox>
#include <QFrame>
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

// A white caption over a heading band, both at the design's twips.
QLabel* BandCaption(QWidget* parent, platform::Shape*& band, const char* text, int left, int top, int width,
                    int height);

// A sunken panel (the designs' Picture1) and a text in it, at twips inside it.
QFrame* SunkenPanel(QWidget* parent, int left, int top, int width, int height);
QLabel* PanelText(QWidget* panel, const char* text, int left, int top, int width, bool bold = false);

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

// A bar in its frame: the frame shows the whole, the bar the part, the
// outline the frame's edge over both.
struct GaugeBar {
  platform::Shape* frame = nullptr;
  platform::Shape* bar = nullptr;
  QWidget* outline = nullptr;
  int fullWidth = 0;  // twips

  void Build(QWidget* parent, int left, int top, int width, int height, unsigned barColor);
  // The bar for `value` against `cap`, never past the frame nor below empty.
  void Show(double value, double cap);
  void SetVisible(bool visible);
};

// The game's date and clock on one line, from `left` at `top`: the values
// Label2(4) year, (5) month, (6) day, (8) half-day and hour, (3) minute,
// each right-aligned against its unit Label1(4) 年, (5) 月, (6) 日, (7) 時, (2) 分.
struct DateClock {
  std::array<QLabel*, 8>& Label1;
  std::array<QLabel*, 9>& Label2;

  void Build(QWidget* parent, int left, int top);
  void Show();
};

// The activity dialogs' stamina gauge: 体力, the bar and "5/25".
struct StaminaGauge {
  GaugeBar gauge;
  QLabel* text = nullptr;

  void Build(QWidget* parent, int left, int top, int width, int textLeft, int textWidth);
  void Show();
};

}  // namespace koratsu
