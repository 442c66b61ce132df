#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/app_setup.h"
#include "qtsupport/windows_freed.h"
#include "support/random_reset.h"

int main(int argc, char** argv) {
  // Without a display Qt would abort; window tests always run offscreen.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new koratsu::testing::RandomSourceReset);
  testing::UnitTest::GetInstance()->listeners().Append(new koratsu::testing::WindowsFreed);
  QApplication app(argc, argv);
  koratsu::platform::SetUpApplication(app);
  return RUN_ALL_TESTS();
}
