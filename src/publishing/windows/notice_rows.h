#pragma once
// Lines of a notice's panel that hold a caption and its value ("定価 390円"):
// the value stands on the caption's line, after the caption's width.

#include <QLabel>
#include <QString>

namespace koratsu {

// A label named `name` beside `caption` (a text of the notice's panel),
// which keeps `captionWidth` twips of its line.
QLabel* ValueBeside(QLabel* caption, const char* name, const QString& text = {}, int captionWidth = 720);

}  // namespace koratsu
