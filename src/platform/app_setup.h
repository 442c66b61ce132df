#pragma once
// Application-wide set-up shared by the program and the window tests: fonts
// named as the windows name them, Japanese standard dialogs.

class QApplication;

namespace koratsu::platform {

void SetUpApplication(QApplication& app);

}  // namespace koratsu::platform
