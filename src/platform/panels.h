#pragma once
// Sunken panels (the designs' Picture1) and the texts in them.

#include <QFont>
#include <QFrame>
#include <QLabel>

namespace koratsu::platform {

// The windows' gothic, bold: the texts that stand out in panels and gauges.
QFont BoldFont();

// A sunken panel at the design's twips, and a text in it, at twips inside it.
QFrame* SunkenPanel(QWidget* parent, int left, int top, int width, int height);
QLabel* PanelText(QWidget* panel, const char* text, int left, int top, int width, bool bold = false);

// The height of a panel's line of text, in twips.
constexpr int kPanelTextHeight = 270;

}  // namespace koratsu::platform
