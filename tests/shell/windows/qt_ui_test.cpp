// The Qt ui's own calls that no window test reaches otherwise.

#include "shell/windows/qt_ui.h"

#include <QLabel>
#include <gtest/gtest.h>

#include "platform/form.h"
#include "qtsupport/window_testing.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

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

constexpr int kNotice = testing::kFirstTestForm + 21;
constexpr int kUnregistered = testing::kFirstTestForm + 22;
const bool registered = platform::RegisterForm<NoticeProbe>(kNotice);

TEST(QtUiTest, ATextIsSetOnTheNamedControlOfAWindowLoadedForIt) {
  testing::FreshState state;
  testing::QtUiScope qt;
  testing::LogCapture log;
  ui::SetControlText(kNotice, "Label1(1)", "野球のﾎﾟｲﾝﾄが大幅上昇");
  auto* notice = platform::Forms().Find<NoticeProbe>(kNotice);
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(notice->loads, 1);
  EXPECT_FALSE(notice->isVisible()) << "loaded, not shown";
  EXPECT_EQ(notice->Label1->text(), QStringLiteral("野球のﾎﾟｲﾝﾄが大幅上昇"));

  ui::SetControlText(kNotice, "Label9(0)", "x");
  EXPECT_EQ(log.Count(form::Name(kNotice) + " has no control Label9(0)"), 1);
  ui::SetControlText(kUnregistered, "Label1(1)", "x");
  EXPECT_EQ(log.Count(form::Name(kUnregistered) + " missing"), 1);
  EXPECT_EQ(notice->loads, 1);
}

}  // namespace
}  // namespace koratsu
