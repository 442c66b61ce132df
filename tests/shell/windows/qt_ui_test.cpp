// The Qt ui's own calls that no window test reaches otherwise.

#include "shell/windows/qt_ui.h"

#include <QLabel>
#include <gtest/gtest.h>

#include "platform/form.h"
#include "qtsupport/window_testing.h"
#include "support/fresh_state.h"

namespace koratsu {
namespace {

// A notice whose label a rule fills before showing it.
class NoticeProbe : public platform::Form {
 public:
  NoticeProbe() : Form({}) {
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1(1)"));
  }
  QLabel* Label1;
  int loads = 0;

 protected:
  void Form_Load() override { ++loads; }
};

const bool registered = platform::RegisterForm<NoticeProbe>(121);

TEST(QtUiTest, ATextIsSetOnTheNamedControlOfAWindowLoadedForIt) {
  testing::FreshState state;
  testing::QtUiScope qt;
  testing::LogCapture log;
  ui::SetControlText(121, "Label1(1)", "野球のﾎﾟｲﾝﾄが大幅上昇");
  auto* notice = platform::Forms().Find<NoticeProbe>(121);
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(notice->loads, 1);
  EXPECT_FALSE(notice->isVisible()) << "loaded, not shown";
  EXPECT_EQ(notice->Label1->text(), QStringLiteral("野球のﾎﾟｲﾝﾄが大幅上昇"));

  ui::SetControlText(121, "Label9(0)", "x");
  EXPECT_EQ(log.Count("Form121 has no control Label9(0)"), 1);
  ui::SetControlText(122, "Label1(1)", "x");
  EXPECT_EQ(log.Count("Form122 missing"), 1);
  EXPECT_EQ(notice->loads, 1);
}

}  // namespace
}  // namespace koratsu
