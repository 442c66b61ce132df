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
#include "ui/forms.h"
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
  ProbeForm(const char* name, const FormTraits& traits) : Form(traits), name_(name) {
    setFixedSize(120, 60);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    connect(Command1, &QPushButton::clicked, this, [this] {
      Unload();
      Trace().push_back("after unload " + name_);  // the handler goes on
    });
  }
  QPushButton* Command1;

 protected:
  void Form_Load() override { Trace().push_back("load " + name_); }
  void Form_Unload() override { Trace().push_back("unload " + name_); }
  void Rebuild() override { Trace().push_back("rebuild"); }
  void Redraw() override { Trace().push_back("redraw"); }

 private:
  std::string name_;
};

// The probes, numbered past every window of the game.
constexpr int kPausing = testing::kFirstTestForm + 1;
constexpr int kNoCloseItem = testing::kFirstTestForm + 2;
constexpr int kChildList = testing::kFirstTestForm + 3;
constexpr int kOwnedWindow = testing::kFirstTestForm + 4;
// A number no class is registered under.
constexpr int kUnregistered = testing::kFirstTestForm - 1;

template <int N>
struct Probe;
// A dialog that pauses the clock and asks for the main window when it closes.
template <>
struct Probe<kPausing> : ProbeForm {
  Probe() : ProbeForm("pausing", {.pauseClock = true, .resumeRequestOnUnload = true}) {}
};
// A dialog with no close item.
template <>
struct Probe<kNoCloseItem> : ProbeForm {
  Probe() : ProbeForm("no close item", {.removeCloseItem = true}) {}
};
// A list inside the main window.
template <>
struct Probe<kChildList> : ProbeForm {
  Probe() : ProbeForm("child", {.kind = FormKind::Child, .trackOpen = true, .servesRefresh = true}) {}
};
// A window owned by the main window.
template <>
struct Probe<kOwnedWindow> : ProbeForm {
  Probe() : ProbeForm("owned", {.kind = FormKind::Owned, .trackOpen = true}) {}
};

const bool registered = platform::RegisterForm<Probe<kPausing>>(kPausing) &&
                        platform::RegisterForm<Probe<kNoCloseItem>>(kNoCloseItem) &&
                        platform::RegisterForm<Probe<kChildList>>(kChildList) &&
                        platform::RegisterForm<Probe<kOwnedWindow>>(kOwnedWindow);

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
  Forms().Show(kUnregistered, ui::Modal);
  Forms().Show(kUnregistered, ui::Modeless);
  EXPECT_EQ(Forms().Load(kUnregistered), nullptr);
  Forms().Unload(kUnregistered);
  EXPECT_FALSE(Forms().IsLoaded(kUnregistered));
  EXPECT_EQ(log.Count(form::Name(kUnregistered) + " missing"), 1);
  EXPECT_EQ(log.Lines().size(), 1u);
  EXPECT_EQ(QApplication::topLevelWidgets().count(&main), 1);
}

TEST_F(FormTest, AModalShowReturnsAfterTheWindowClosedWithItsLoadAndUnloadSteps) {
  g().GameActive = 1;
  ModalScript script;
  script.When(kPausing, [&](Form& form) {
    EXPECT_TRUE(form.isModal());
    EXPECT_EQ(form.parentWidget(), &main);
    EXPECT_FALSE(ui.ClockRunning());
    Click(form);
  });
  Forms().Show(kPausing, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(Forms().IsLoaded(kPausing));
  EXPECT_EQ(Trace(), (std::vector<std::string>{"load pausing", "unload pausing", "after unload pausing"}));
  EXPECT_TRUE(ui.ClockRunning());
  EXPECT_EQ(g().ResumeRequest, Value(1));
}

TEST_F(FormTest, EveryShowLoadsAFreshWindow) {
  ModalScript script;
  script.When(kPausing, Click).When(kPausing, Click);
  Forms().Show(kPausing, ui::Modal);
  Forms().Show(kPausing, ui::Modal);
  EXPECT_EQ(std::count(Trace().begin(), Trace().end(), "load pausing"), 2);
}

TEST_F(FormTest, ADialogWithoutItsCloseItemClosesOnlyByItsButtons) {
  ModalScript script;
  script.When(kNoCloseItem, [](Form& form) {
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
  Forms().Show(kNoCloseItem, ui::Modal);
  EXPECT_EQ(Trace(),
            (std::vector<std::string>{"load no close item", "unload no close item", "after unload no close item"}));
}

TEST_F(FormTest, TheCloseBoxOfAWindowThatKeepsItUnloadsIt) {
  ModalScript script;
  script.When(kPausing, [](Form& form) {
    EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
    QCloseEvent close;
    QApplication::sendEvent(&form, &close);
  });
  Forms().Show(kPausing, ui::Modal);
  EXPECT_EQ(Trace(), (std::vector<std::string>{"load pausing", "unload pausing"}));
}

TEST_F(FormTest, AnInnerDialogMayUnloadItsOpenerWhileBothAreOpen) {
  ModalScript script;
  script.When(kPausing, [](Form&) { Forms().Show(kNoCloseItem, ui::Modal); })
      .When(kNoCloseItem, [](Form&) {
        Forms().Unload(kPausing);  // as closing every window at the end of a game does
        Forms().Unload(kNoCloseItem);
      });
  Forms().Show(kPausing, ui::Modal);
  ProcessEvents();
  EXPECT_FALSE(Forms().IsLoaded(kPausing));
  EXPECT_FALSE(Forms().IsLoaded(kNoCloseItem));
  EXPECT_EQ(Trace(),
            (std::vector<std::string>{"load pausing", "load no close item", "unload pausing", "unload no close item"}));
}

TEST_F(FormTest, AChildWindowLivesInTheMainWindowAndServesItsRefreshRequests) {
  g().FormSlot[kChildList].Rebuild = 1;  // raised while the window was closed
  Forms().Show(kChildList, ui::Modeless);
  Form* list = Forms().Find(kChildList);
  ASSERT_NE(list, nullptr);
  ASSERT_NE(list->SubWindow(), nullptr);
  EXPECT_EQ(area->subWindowList().count(list->SubWindow()), 1);
  EXPECT_EQ(g().FormSlot[kChildList].Open, Value(1));
  // Its 100 ms timer serves the request; a loaded machine may be late.
  for (int waited = 0; waited < 5000 && Trace().size() < 3; waited += 50) ProcessEvents(50);
  EXPECT_EQ(Trace(), (std::vector<std::string>{"load child", "rebuild", "redraw"}));
  EXPECT_EQ(g().FormSlot[kChildList].Rebuild, Value(0));
  EXPECT_EQ(g().FormSlot[kChildList].Redraw, Value(0));

  // Its frame's close box unloads it.
  list->SubWindow()->close();
  ProcessEvents();
  EXPECT_FALSE(Forms().IsLoaded(kChildList));
  EXPECT_EQ(g().FormSlot[kChildList].Open, Value(0));
  EXPECT_TRUE(area->subWindowList().isEmpty());
}

TEST_F(FormTest, AnOwnedWindowStaysModelessInFrontOfTheMainWindow) {
  Forms().Show(kOwnedWindow, ui::Modeless);
  Forms().Show(kOwnedWindow, ui::Modeless);  // only brings it forward
  Form* owned = Forms().Find(kOwnedWindow);
  ASSERT_NE(owned, nullptr);
  EXPECT_TRUE(owned->isVisible());
  EXPECT_FALSE(owned->isModal());
  EXPECT_EQ(owned->parentWidget(), &main);
  EXPECT_EQ(std::count(Trace().begin(), Trace().end(), "load owned"), 1);
  EXPECT_EQ(g().FormSlot[kOwnedWindow].Open, Value(1));
  Forms().Unload(kOwnedWindow);
  EXPECT_EQ(g().FormSlot[kOwnedWindow].Open, Value(0));
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
  EXPECT_FALSE(platform::RegisterForm<Probe<kNoCloseItem>>(kPausing));
  EXPECT_FALSE(platform::RegisterForm<Probe<kNoCloseItem>>(platform::FormHost::kMaxForm + 1));
  EXPECT_EQ(log.Lines().size(), 2u);
  Forms().Load(kPausing);
  EXPECT_EQ(dynamic_cast<Probe<kPausing>*>(Forms().Find(kPausing)) != nullptr, true);
}

}  // namespace
}  // namespace koratsu
