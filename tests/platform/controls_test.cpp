#include <QComboBox>
#include <QKeyEvent>
#include <QApplication>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/controls.h"

namespace koratsu {
namespace {

TEST(BarWidthTest, StaysWithinTheFrame) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double value, cap, full, width;
  } cases[] = {
      {5, 10, 100, 50}, {10, 10, 100, 100}, {25, 10, 100, 100},  // above the cap: full, not longer
      {0, 10, 100, 0},  {-3, 10, 100, 0},   {5, 0, 100, 0},       {5, -1, 100, 0},
      {nan, 10, 100, 0}, {5.5, 25, 855, 188.1},
  };
  for (const Case& c : cases) EXPECT_NEAR(platform::BarWidth(c.value, c.cap, c.full), c.width, 1e-9) << c.value << "/" << c.cap;
}

TEST(DropDownTest, KeysChangeNothing) {
  QComboBox box;
  box.addItems({QStringLiteral("ａ"), QStringLiteral("ｂ"), QStringLiteral("ｃ")});
  platform::MakeDropDown(&box);
  box.setCurrentIndex(1);
  for (int key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Home, Qt::Key_A, Qt::Key_PageDown}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(&box, &press);
  }
  EXPECT_EQ(box.currentIndex(), 1);
  EXPECT_FALSE(box.isEditable());
}

}  // namespace
}  // namespace koratsu
