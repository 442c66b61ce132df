#pragma once
// Behaviours the game's controls share: drop-down lists that open when they
// get the focus and take no typing, texts that take no typing, lists that
// scroll with the mouse wheel, and bars whose width stands for a value
// against its cap.

#include <initializer_list>

class QComboBox;
class QPushButton;
class QScrollBar;
class QWidget;

namespace koratsu::platform {

// A drop-down list as the game's windows use it: its list opens when the
// focus comes to it from elsewhere (not when it comes back from the list),
// and a key pressed on the box or in the open list beeps and changes nothing
// (the choice is made with the mouse, in the open list; Esc closes it).
void MakeDropDown(QComboBox* box);

// A window's default button among its other buttons: Enter presses the
// button that has the focus, and `defaultButton` when the focus is on
// anything else (a text box, a list).
void DefaultButton(QPushButton* defaultButton, std::initializer_list<QPushButton*> others);

// A control that takes no typing: every key but Tab beeps and changes
// nothing, and a typed-in composition is dropped.
void RefuseTyping(QWidget* control);

// A list whose rows the window draws itself in `viewport`, `rowPitch`
// pixels apart, moved by its own scroll bar `bar`: the mouse wheel anywhere
// over the viewport moves the bar by the desktop's lines per notch, in rows,
// and goes no further (the main window's area behind does not scroll).
void ScrollWithWheel(QWidget* viewport, QScrollBar* bar, int rowPitch);

// The width of a bar `full` wide for `value` against `cap`, within 0 and
// `full`: empty for a cap of 0 or less, a negative value or anything that
// is not a number. A bar allowed past its frame above its cap (the
// information panel's) gives the further `limit`.
double BarWidth(double value, double cap, double full);
double BarWidth(double value, double cap, double full, double limit);

}  // namespace koratsu::platform
