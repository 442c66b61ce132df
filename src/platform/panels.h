#pragma once
// Sunken panels (the designs' Picture1), the texts in them, and value boxes.

#include <QFont>
#include <QFrame>
#include <QLabel>

namespace koratsu::platform {

// The windows' gothic, bold: the texts that stand out in panels and gauges.
QFont BoldFont();

// A sunken panel at the design's twips, and a text in it, at twips inside it.
QFrame* SunkenPanel(QWidget* parent, int left, int top, int width, int height);
QLabel* PanelText(QWidget* panel, const char* text, int left, int top, int width, bool bold = false);

// A value shown in a white, grey-framed box, at the design's twips. The
// alignment has no default, so that it cannot be taken for the height.
QLabel* ValueBox(QWidget* parent, int left, int top, int width, int height, Qt::Alignment align);

// The height of a panel's line of text, in twips.
constexpr int kPanelTextHeight = 270;

}  // namespace koratsu::platform
