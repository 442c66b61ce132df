#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/controls.h"
#include "qtsupport/window_testing.h"

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

// A dialog with a button, which has the focus first, and a drop-down list.
class DropDownDialog : public ::testing::Test {
 protected:
  DropDownDialog() {
    box->addItems({QStringLiteral("ａ"), QStringLiteral("ｂ"), QStringLiteral("ｃ"), QStringLiteral("ｄ")});
    platform::MakeDropDown(box);
    box->move(0, 40);
    dialog.show();
    button->setFocus();
    testing::ProcessEvents();
  }

  QDialog dialog;
  QPushButton* button = new QPushButton(QStringLiteral("決定"), &dialog);
  QComboBox* box = new QComboBox(&dialog);
};

TEST_F(DropDownDialog, OpensWhenTheFocusComesAndLetsGoOfAPickedEntry) {
  EXPECT_FALSE(testing::ListOpen(box)) << "not before the list has the focus";
  testing::ClickIntoList(box);
  ASSERT_TRUE(testing::ListOpen(box));
  testing::ClickListEntry(box, 2);
  EXPECT_EQ(box->currentIndex(), 2);
  testing::ProcessEvents(50);
  EXPECT_FALSE(testing::ListOpen(box)) << "the focus came back from the list: it stays closed";
  EXPECT_TRUE(box->hasFocus());

  button->setFocus(Qt::TabFocusReason);
  box->setFocus(Qt::TabFocusReason);
  testing::ProcessEvents();
  EXPECT_TRUE(testing::ListOpen(box)) << "Tab onto the list opens it again";
}

TEST_F(DropDownDialog, TheOpenListTakesNoKeysButEsc) {
  testing::ClickIntoList(box);
  ASSERT_TRUE(testing::ListOpen(box));
  QWidget* list = box->view();
  for (int key : {Qt::Key_Down, Qt::Key_Return, Qt::Key_Enter, Qt::Key_End, Qt::Key_Tab, Qt::Key_A}) {
    QKeyEvent shortcut(QEvent::ShortcutOverride, key, Qt::NoModifier);
    QApplication::sendEvent(list, &shortcut);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(list, &press);
    testing::ProcessEvents();
    EXPECT_TRUE(testing::ListOpen(box)) << key;
  }
  EXPECT_EQ(box->currentIndex(), 0);

  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(list, &escape);
  testing::ProcessEvents(50);
  EXPECT_FALSE(testing::ListOpen(box));
  EXPECT_EQ(box->currentIndex(), 0);
}

// A list drawn in a viewport, 15 pixels a row, with its scroll bar beside it.
TEST(WheelTest, MovesTheListsScrollBarByRowsAndGoesNoFurther) {
  QWidget window;
  auto* viewport = new QWidget(&window);
  auto* bar = new QScrollBar(Qt::Vertical, &window);
  bar->setRange(0, 300);
  bar->setSingleStep(150);  // the bar's own arrows may jump further than the wheel
  bar->setPageStep(100);
  platform::ScrollWithWheel(viewport, bar, 15);
  const int notch = 15 * QApplication::wheelScrollLines();
  constexpr int kAny = -1;
  struct Turn {
    int angle, value;
  } turns[] = {
      {-120, notch},      {-120, 2 * notch},  {120, notch},  // a notch down, another, one back up
      {-30, kAny},        {-30, kAny},        {-30, kAny},  {-30, 2 * notch},  // a fine wheel's parts add up
      {120 * 100, 0},     {120, 0},                          // at the top it stays
      {-120 * 100, 100},  {-120 * 100, 200},                 // a page at most in one turn
      {-120 * 100, 300},  {-120, 300},                       // and at the bottom it stays
      {120, 300 - notch},
  };
  for (const Turn& t : turns) {
    EXPECT_TRUE(testing::TurnWheel(viewport, t.angle)) << "taken: the area behind does not scroll";
    if (t.value != kAny) {
      EXPECT_EQ(bar->value(), t.value) << t.angle;
    }
  }
  bar->setEnabled(false);
  EXPECT_TRUE(testing::TurnWheel(viewport, -120));
  EXPECT_EQ(bar->value(), 300 - notch) << "a disabled bar stays";
}

}  // namespace
}  // namespace koratsu
