#pragma once
// Application-wide set-up shared by the program and the window tests: fonts
// named as the windows name them, Japanese standard dialogs, and labels and
// tooltips that show their text as it stands.

class QApplication;

namespace koratsu::platform {

// Every label left to guess its text's format (Qt's default) shows plain
// text, tooltips included, from the moment it is polished: no window uses
// markup, and a name or title the player typed reads as typed, "<b>" and
// "&lt;" included. A label measured before it is shown must be polished
// first (`ensurePolished`) to be measured as it will show.
void SetUpApplication(QApplication& app);

}  // namespace koratsu::platform
