#pragma once
// The standard open and save dialogs.

#include <optional>
#include <string>

#include "ui/ui.h"

class QWidget;

namespace koratsu::platform {

// The chosen file's path, or nothing when the player cancelled. The dialog
// opens in the request's folder. A save dialog adds the default extension and
// asks before replacing a file; an open dialog takes only a file that exists.
std::optional<std::string> ChooseFile(QWidget* parent, const ui::FileDialogRequest& request, bool save);

}  // namespace koratsu::platform
