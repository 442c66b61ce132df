#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/app_setup.h"
#include "support/random_reset.h"

int main(int argc, char** argv) {
  // Without a display Qt would abort; window tests always run offscreen.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new koratsu::testing::RandomSourceReset);
  QApplication app(argc, argv);
  koratsu::platform::SetUpApplication(app);
  return RUN_ALL_TESTS();
}
