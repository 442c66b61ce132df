#pragma once
// Pieces the activity windows share: captions on the heading bands, sunken
// panels, the stamina gauge of the activity dialogs and the progress bar of
// the progress windows.

#include <span>
#include <string>
#include <vector>

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/window_conventions.h"

namespace koratsu {

// A white caption over a heading band, both at the design's twips.
QLabel* BandCaption(QWidget* parent, platform::Shape*& band, const char* text, int left, int top, int width,
                    int height);

// A sunken panel (the designs' Picture1) and a text in it, at twips inside it.
QFrame* SunkenPanel(QWidget* parent, int left, int top, int width, int height);
QLabel* PanelText(QWidget* panel, const char* text, int left, int top, int width, bool bold = false);

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
};

// The activity dialogs' stamina gauge: 体力, the bar and "5/25".
struct StaminaGauge {
  GaugeBar gauge;
  QLabel* text = nullptr;

  void Build(QWidget* parent, int left, int top, int width, int textLeft, int textWidth);
  void Show();
};

// What the job and training dialogs share, where both put it: the heading
// and "何をしますか？" on their bands beside the drop-down list, the picture,
// 体力 with the stamina gauge and the activity's stamina cost, and the start
// and cancel buttons.
struct ChoiceDialog {
  QLabel* heading;
  QLabel* prompt;
  QComboBox* list;
  QLabel* picture;
  QLabel* staminaCaption;
  QLabel* staminaCost;
  QPushButton* start;
  QPushButton* cancel;
};
// `bands` are the dialog's three Shape1; the picture is `pictureForm`'s Image1(0).
ChoiceDialog BuildChoiceDialog(QWidget* dialog, std::span<platform::Shape*, 3> bands, const char* heading,
                               int pictureForm, const char* start, StaminaGauge& stamina);

// Fills a dialog's list with `names` and selects the first, quietly: the
// dialog then runs its own choice of it.
void FillChoiceList(QComboBox* list, const std::vector<std::string>& names);

}  // namespace koratsu
