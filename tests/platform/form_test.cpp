#include "platform/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <gtest/gtest.h>

#include "platform/placement.h"
#include "qtsupport/window_testing.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"

namespace koratsu {
namespace {

using platform::Form;
using platform::FormKind;
using platform::FormTraits;
using platform::Forms;
using testing::ModalScript;
using testing::ProcessEvents;

std::vector<std::string>& Trace() {
  static std::vector<std::string> trace;
  return trace;
}

// A window that writes down what happens to it.
class ProbeForm : public Form {
 public:
  explicit ProbeForm(const FormTraits& traits) : Form(traits) {
    setFixedSize(120, 60);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    connect(Command1, &QPushButton::clicked, this, [this] {
      Unload();
      Trace().push_back("after unload " + std::to_string(Number()));  // the handler goes on
    });
  }
  QPushButton* Command1;

 protected:
  void Form_Load() override { Trace().push_back("load " + std::to_string(Number())); }
  void Form_Unload() override { Trace().push_back("unload " + std::to_string(Number())); }
  void Rebuild() override { Trace().push_back("rebuild"); }
  void Redraw() override { Trace().push_back("redraw"); }
};

template <int N>
struct Probe;
// A dialog that pauses the clock and asks for the main window when it closes.
template <>
struct Probe<101> : ProbeForm {
  Probe() : ProbeForm({.pauseClock = true, .resumeRequestOnUnload = true}) {}
};
// A dialog with no close item.
template <>
struct Probe<102> : ProbeForm {
  Probe() : ProbeForm({.removeCloseItem = true}) {}
};
// A list inside the main window.
template <>
struct Probe<103> : ProbeForm {
  Probe() : ProbeForm({.kind = FormKind::Child, .trackOpen = true, .servesRefresh = true}) {}
};
// A window owned by the main window.
template <>
struct Probe<104> : ProbeForm {
  Probe() : ProbeForm({.kind = FormKind::Owned, .trackOpen = true}) {}
};

const bool registered = platform::RegisterForm<Probe<101>>(101) && platform::RegisterForm<Probe<102>>(102) &&
                        platform::RegisterForm<Probe<103>>(103) && platform::RegisterForm<Probe<104>>(104);

class FormTest : public ::testing::Test {
 protected:
  FormTest() {
    Trace().clear();
    main.resize(576, 460);
    main.setCentralWidget(area);
    Forms().SetMainWindow(&main, area);
    platform::SetMainWindow(&main);
  }
  ~FormTest() override {
    Forms().UnloadAll();
    ProcessEvents();
    Forms().SetMainWindow(nullptr, nullptr);
    platform::SetMainWindow(nullptr);
  }
  GameState& g() { return state.g(); }
  static void Click(Form& form) { static_cast<ProbeForm&>(form).Command1->click(); }

  testing::FreshState state;
  testing::ScriptedUi ui;  // sees the clock switched
  QMainWindow main;
  QMdiArea* area = new QMdiArea;
};

TEST_F(FormTest, AWindowNumberWithoutAClassIsReportedOnceAndNothingHappens) {
  testing::LogCapture log;
  Forms().Show(99, ui::Modal);
  Forms().Show(99, ui::Modeless);
  EXPECT_EQ(Forms().Load(99), nullptr);
  Forms().Unload(99);
  EXPECT_FALSE(Forms().IsLoaded(99));
  EXPECT_EQ(log.Count("Form99 missing"), 1);
  EXPECT_EQ(log.Lines().size(), 1u);
  EXPECT_EQ(QApplication::topLevelWidgets().count(&main), 1);
}

TEST_F(FormTest, AModalShowReturnsAfterTheWindowClosedWithItsLoadAndUnloadSteps) {
  g().GameActive = 1;
  ModalScript script;
  script.When(101, [&](Form& form) {
    EXPECT_TRUE(form.isModal());
    EXPECT_EQ(form.parentWidget(), &main);
    EXPECT_FALSE(ui.ClockRunning());
    Click(form);
  });
  Forms().Show(101, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(Forms().IsLoaded(101));
  EXPECT_EQ(Trace(), (std::vector<std::string>{"load 101", "unload 101", "after unload 101"}));
  EXPECT_TRUE(ui.ClockRunning());
  EXPECT_EQ(g().ResumeRequest, Value(1));
}

TEST_F(FormTest, EveryShowLoadsAFreshWindow) {
  ModalScript script;
  script.When(101, Click).When(101, Click);
  Forms().Show(101, ui::Modal);
  Forms().Show(101, ui::Modal);
  EXPECT_EQ(std::count(Trace().begin(), Trace().end(), "load 101"), 2);
}

TEST_F(FormTest, ADialogWithoutItsCloseItemClosesOnlyByItsButtons) {
  ModalScript script;
  script.When(102, [](Form& form) {
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    QCloseEvent close;
    QApplication::sendEvent(&form, &close);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&form, &escape);
    QKeyEvent altF4(QEvent::KeyPress, Qt::Key_F4, Qt::AltModifier);
    QApplication::sendEvent(&form, &altF4);
    form.reject();
    ProcessEvents(20);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.Loaded());
    Click(form);
  });
  Forms().Show(102, ui::Modal);
  EXPECT_EQ(Trace(), (std::vector<std::string>{"load 102", "unload 102", "after unload 102"}));
}

TEST_F(FormTest, TheCloseBoxOfAWindowThatKeepsItUnloadsIt) {
  ModalScript script;
  script.When(101, [](Form& form) {
    EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
    QCloseEvent close;
    QApplication::sendEvent(&form, &close);
  });
  Forms().Show(101, ui::Modal);
  EXPECT_EQ(Trace(), (std::vector<std::string>{"load 101", "unload 101"}));
}

TEST_F(FormTest, AnInnerDialogMayUnloadItsOpenerWhileBothAreOpen) {
  ModalScript script;
  script.When(101, [](Form&) { Forms().Show(102, ui::Modal); })
      .When(102, [](Form&) {
        Forms().Unload(101);  // as closing every window at the end of a game does
        Forms().Unload(102);
      });
  Forms().Show(101, ui::Modal);
  ProcessEvents();
  EXPECT_FALSE(Forms().IsLoaded(101));
  EXPECT_FALSE(Forms().IsLoaded(102));
  EXPECT_EQ(Trace(), (std::vector<std::string>{"load 101", "load 102", "unload 101", "unload 102"}));
}

TEST_F(FormTest, AChildWindowLivesInTheMainWindowAndServesItsRefreshRequests) {
  g().FormSlot[103].Rebuild = 1;  // raised while the window was closed
  Forms().Show(103, ui::Modeless);
  Form* list = Forms().Find(103);
  ASSERT_NE(list, nullptr);
  ASSERT_NE(list->SubWindow(), nullptr);
  EXPECT_EQ(area->subWindowList().count(list->SubWindow()), 1);
  EXPECT_EQ(g().FormSlot[103].Open, Value(1));
  // Its 100 ms timer serves the request; a loaded machine may be late.
  for (int waited = 0; waited < 5000 && Trace().size() < 3; waited += 50) ProcessEvents(50);
  EXPECT_EQ(Trace(), (std::vector<std::string>{"load 103", "rebuild", "redraw"}));
  EXPECT_EQ(g().FormSlot[103].Rebuild, Value(0));
  EXPECT_EQ(g().FormSlot[103].Redraw, Value(0));

  // Its frame's close box unloads it.
  list->SubWindow()->close();
  ProcessEvents();
  EXPECT_FALSE(Forms().IsLoaded(103));
  EXPECT_EQ(g().FormSlot[103].Open, Value(0));
  EXPECT_TRUE(area->subWindowList().isEmpty());
}

TEST_F(FormTest, AnOwnedWindowStaysModelessInFrontOfTheMainWindow) {
  Forms().Show(104, ui::Modeless);
  Forms().Show(104, ui::Modeless);  // only brings it forward
  Form* owned = Forms().Find(104);
  ASSERT_NE(owned, nullptr);
  EXPECT_TRUE(owned->isVisible());
  EXPECT_FALSE(owned->isModal());
  EXPECT_EQ(owned->parentWidget(), &main);
  EXPECT_EQ(std::count(Trace().begin(), Trace().end(), "load 104"), 1);
  EXPECT_EQ(g().FormSlot[104].Open, Value(1));
  Forms().Unload(104);
  EXPECT_EQ(g().FormSlot[104].Open, Value(0));
}

TEST_F(FormTest, DialogsCentreTheirFrameOverTheMainWindowOrTheScreenWhenItIsMinimised) {
  main.move(100, 50);
  main.show();
  ProcessEvents();
  const QSize frame = main.frameGeometry().size() - main.size();
  ASSERT_NE(frame, QSize(0, 0));
  // Not yet shown, a dialog has no frame of its own: it is centred with the
  // main window's, frame and all.
  QWidget dialog;
  dialog.resize(200, 100);
  const QSize outer = QSize(200, 100) + frame;
  platform::CentreOverMainWindow(&dialog);
  QRect area = main.frameGeometry();
  EXPECT_EQ(dialog.pos(), QPoint(area.x() + (area.width() - outer.width()) / 2,
                                 area.y() + (area.height() - outer.height()) / 2));

  main.showMinimized();
  platform::CentreOverMainWindow(&dialog);
  QRect screen = dialog.screen()->geometry();
  EXPECT_EQ(dialog.pos(), QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2));
}

TEST_F(FormTest, RegisteringANumberTwiceKeepsTheFirstClass) {
  testing::LogCapture log;
  EXPECT_FALSE(platform::RegisterForm<Probe<102>>(101));
  EXPECT_FALSE(platform::RegisterForm<Probe<102>>(129));
  EXPECT_EQ(log.Lines().size(), 2u);
  Forms().Load(101);
  EXPECT_EQ(dynamic_cast<Probe<101>*>(Forms().Find(101)) != nullptr, true);
}

}  // namespace
}  // namespace koratsu
