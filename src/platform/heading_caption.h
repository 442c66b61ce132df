#pragma once
// The white caption a window writes on one of its heading bars.

#include <QLabel>
#include <QString>

#include "platform/window_conventions.h"

namespace platform {

// A label covering the whole bar, its text white and centred.
QLabel* CaptionOn(Shape* bar, const QString& text);

}  // namespace platform
