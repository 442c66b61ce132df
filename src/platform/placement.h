#pragma once
// Where windows go: the main window's outer size, and dialogs centred over it.

#include <QSize>

class QWidget;

namespace koratsu::platform {

// The program's main window, over which dialogs centre themselves.
void SetMainWindow(QWidget* window);
QWidget* MainWindow();

// The size of a window with its frame (title bar and borders), as far as the
// desktop has told it; before the window was first shown, its client size.
QSize OuterSize(const QWidget* window);

// Gives a top-level window an outer size in pixels, frame included, as far as
// the frame is known (before the first show it is not: call it again after).
void SetOuterSize(QWidget* window, QSize outer);

// Centres a window on its screen, or over the main window; over the screen
// when the main window is minimised or there is none.
void CentreOnScreen(QWidget* window);
void CentreOverMainWindow(QWidget* window);

}  // namespace koratsu::platform
