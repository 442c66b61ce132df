#pragma once
// Where windows go: the main window's outer size, and dialogs centred over it.

#include <QSize>

class QMdiSubWindow;
class QWidget;

namespace koratsu::platform {

// The program's main window, over which dialogs centre themselves.
void SetMainWindow(QWidget* window);
QWidget* MainWindow();

// The size of a window with its frame (title bar and borders), as far as the
// desktop has told it. Before a window is first shown its frame is taken to
// be the main window's; before the main window is shown, none.
QSize OuterSize(const QWidget* window);

// Gives a top-level window an outer size in pixels, frame included, as far as
// the frame is known (before the first show it is not: call it again after).
void SetOuterSize(QWidget* window, QSize outer);

// Centres a window on its screen, or over the main window; over the screen
// when the main window is minimised or there is none.
void CentreOnScreen(QWidget* window);
void CentreOverMainWindow(QWidget* window);

// For a window just shown: once the desktop has framed it, centres it again
// over the main window if the frame it was centred with proved different.
void CentreAgainOnceFramed(QWidget* window);

// Opens a child window inside the visible client of its main window's area:
// `frame` (its width fixed) gets `height` pixels, title bar and borders
// included, or the area's height if that is lower (never less than its
// minimum height), and moves left and up only as far as it must to lie inside.
void PlaceInsideArea(QMdiSubWindow* frame, int height);

}  // namespace koratsu::platform
