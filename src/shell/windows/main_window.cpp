#include "shell/windows/main_window.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "platform/colors.h"
#include "platform/form.h"
#include "platform/pictures.h"
#include "platform/placement.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "production/adaptation.h"
#include "publishing/novel_permission.h"
#include "shell/game_flow.h"
#include "shell/settings.h"
#include "state/game_state.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

MDIForm1* instance = nullptr;

constexpr int kOuterWidth = 8640;   // twips
constexpr int kOuterHeight = 6900;  // twips
constexpr int kToolbarHeight = 405;
constexpr int kStatusBarHeight = 300;

// The docked toolbar strip: a grey line along its top edge and a white one below it.
class ToolbarStrip : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(platform::VbColor(platform::kDarkGrey));
    painter.drawLine(0, 0, width(), 0);
    painter.setPen(platform::VbColor(platform::kWhite));
    painter.drawLine(0, 1, width(), 1);
  }
};

using platform::Q;

}  // namespace

// ---------------------------------------------------------------- MdiClient

MdiClient::MdiClient(QWidget* parent) : QMdiArea(parent), surround_(palette().color(QPalette::Dark)) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void MdiClient::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  // Around a picture smaller than the area, the colour of its edge.
  surround_ = picture.isNull() ? palette().color(QPalette::Dark) : picture.toImage().pixelColor(0, 0);
  viewport()->update();
}

void MdiClient::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  QRect area = viewport()->rect();
  painter.fillRect(area, surround_);
  if (picture_.isNull()) return;
  QPoint at((area.width() - picture_.width()) / 2, (area.height() - picture_.height()) / 2);
  painter.drawPixmap(at, picture_);
}

// ---------------------------------------------------------------- MDIForm1

MDIForm1::MDIForm1() {
  instance = this;
  setWindowIcon(QIcon(platform::FormPicture(form::kMDIForm1, QStringLiteral("Icon"))));

  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  Picture1 = new ToolbarStrip(body);
  Picture1->setAutoFillBackground(true);
  Client = new MdiClient(body);
  Picture2 = new QWidget(body);
  Picture2->setAutoFillBackground(true);
  Picture2->setFixedHeight(platform::Px(kStatusBarHeight));
  Label1 = new QLabel(Picture2);
  Label1->setGeometry(4, 0, 4000, platform::Px(kStatusBarHeight));
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  layout->addWidget(Picture1);
  layout->addWidget(Client, 1);
  layout->addWidget(Picture2);
  setCentralWidget(body);

  Timer1 = new QTimer(this);
  Timer1->setTimerType(Qt::PreciseTimer);
  Timer1->setInterval(shell::kDesignClockInterval);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

  BuildMenus();
  BuildToolbar();
  platform::SetMainWindow(this);
  platform::Forms().SetMainWindow(this, Client);
  MDIForm_Load();
}

MDIForm1::~MDIForm1() {
  // The windows it owns go with it, without their unload steps: the program ends.
  if (instance == this) instance = nullptr;
  Timer1->stop();
  platform::Forms().SetMainWindow(nullptr, nullptr);
  platform::SetMainWindow(nullptr);
}

MDIForm1* MDIForm1::Instance() { return instance; }

void MDIForm1::MDIForm_Load() {
  PlaceOnScreen();
  Picture1->setFixedHeight(platform::Px(kToolbarHeight));
  shell::SetProgramValues();
  ResetGame();
}

void MDIForm1::PlaceOnScreen() {
  platform::SetOuterSize(this, {platform::Px(kOuterWidth), platform::Px(kOuterHeight)});
  platform::CentreOnScreen(this);
}

void MDIForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (placedWithFrame_) return;
  // The desktop tells the frame's size only once the window is on screen;
  // the designed size is the outer one.
  QTimer::singleShot(100, this, [this] {
    if (placedWithFrame_ || frameGeometry().size() == size()) return;
    placedWithFrame_ = true;
    PlaceOnScreen();
  });
}

void MDIForm1::MDIForm_Unload() { QCoreApplication::quit(); }

void MDIForm1::closeEvent(QCloseEvent* event) {
  if (shell::ConfirmQuit()) {
    event->accept();
    MDIForm_Unload();
  } else {
    event->ignore();
  }
}

// ---------------------------------------------------------------- public methods

void MDIForm1::ResetGame() { shell::ResetGame(*this); }

void MDIForm1::GameOn() { shell::GameOn(*this); }

void MDIForm1::GameSpeedChange() {
  const GameState& g = State();
  std::optional<int> interval = shell::ClockInterval(g.GameSpeed);
  if (!interval) return;
  SetChecked("MSFast", g.GameSpeed == 1);
  SetChecked("MSMedi", g.GameSpeed == 2);
  SetChecked("MSSlow", g.GameSpeed == 3);
  Timer1->setInterval(*interval);
}

void MDIForm1::ChangeKoukaon() {
  int choice = shell::KoukaonChoice();
  if (choice == 0) return;
  SetChecked("MNyes", choice == 1);
  SetChecked("MSno", choice == 2);
}

void MDIForm1::ChangeKingaku() {
  int style = shell::ApplyKingakuHyouzi();
  if (style == 0) return;
  SetChecked("MJapanGold", style == 1);
  SetChecked("MSuiizi", style == 2);
}

void MDIForm1::ChangeToolStyle() {
  // Exactly one of the two toolbars shows during a game; the title screen
  // shows none, and the style waits there for the next game.
  bool docked = shell::ToolStyleDocked();
  bool game = State().GameActive == 1;
  if (docked) {
    ui::Unload(form::kToolWindow);
    Picture1->setVisible(game);
  } else {
    Picture1->hide();
    if (game) ui::Show(form::kToolWindow, ui::Modeless);
  }
  SetChecked("MToolBox", docked);
  SetChecked("MToolWindow", !docked);
}

void MDIForm1::SetTutorialMenus(bool tutorialRunning) {
  tutorialLocked_ = tutorialRunning;
  for (const char* name : {"MNewGame", "MChuutoRiaru", "MLoadGame"}) Menu(name)->setEnabled(!tutorialRunning);
  Menu("MSaveGame")->setEnabled(!tutorialRunning && gameMenus_);
  for (int index : {kSaveButton, kLoadButton}) {
    BSave[static_cast<size_t>(index)]->setEnabled(!tutorialRunning);
    if (auto* tools = platform::Forms().Find(form::kToolWindow)) {
      for (auto* image : tools->findChildren<ToolImage*>())
        if (image->Index() == index) image->setEnabled(!tutorialRunning);
    }
  }
}

platform::FormMethods MDIForm1::Methods() {
  return {
      {"ResetGame", [this] { ResetGame(); }},
      {"GameOn", [this] { GameOn(); }},
      {"Show", [this] { BringToFront(); }},
      {kNovelPermissionTalkCall, [] { ChosenNovelPermissionTalk(); }},
  };
}

// ---------------------------------------------------------------- the clock

void MDIForm1::Timer1_Timer() { clock_.Event(*this); }

// ---------------------------------------------------------------- shell::MainScreen

void MDIForm1::SetCaption(const std::string& text) { setWindowTitle(Q(text)); }

void MDIForm1::SetStatusLine(const std::string& text) { Label1->setText(Q(text)); }

void MDIForm1::BringToFront() {
  // Not while a modal window is open: the main window stays behind it.
  if (QApplication::activeModalWidget()) return;
  show();
  raise();
  activateWindow();
}

void MDIForm1::ShowBackground(shell::Background background) {
  Client->SetPicture(platform::LoadPicture(background == shell::Background::Title ? QStringLiteral("Graphic/Title.bmp")
                                                                                  : QStringLiteral("Graphic/kabe.bmp")));
}

void MDIForm1::SetClockRunning(bool running) {
  if (!running) {
    Timer1->stop();
  } else if (!Timer1->isActive()) {
    Timer1->start();
  }
}

void MDIForm1::PrepareToolbar() {
  for (const ToolButton& button : ToolButtons()) {
    auto k = static_cast<size_t>(button.index);
    BSave[k]->SetPicture(BSave[k + 1]->Picture());
  }
}

void MDIForm1::HideToolbar() { Picture1->hide(); }

void MDIForm1::SetGameMenus(bool gameRunning) {
  gameMenus_ = gameRunning;
  Menu("MSaveGame")->setEnabled(gameRunning && !tutorialLocked_);
  Menu("MKoudou")->setEnabled(gameRunning);
  Menu("MInfo")->setEnabled(gameRunning);
  Menu("MWindow")->setVisible(gameRunning);
}

shell::ChildView MDIForm1::ChildWindow(int form) {
  platform::Form* window = platform::Forms().Find(form);
  if (!window) return {};
  QWidget* frame = window->Frame();
  bool active = window->SubWindow() ? Client->currentSubWindow() == window->SubWindow() : window->isActiveWindow();
  return {.loaded = true, .active = active, .minimised = frame->isMinimized(), .maximised = frame->isMaximized()};
}

void MDIForm1::ArrangeChild(int form, shell::ToggleAction action) {
  platform::Form* window = platform::Forms().Find(form);
  if (!window) return;
  QWidget* frame = window->Frame();
  switch (action) {
    case shell::ToggleAction::Restore: frame->showNormal(); break;
    case shell::ToggleAction::Minimise: frame->showMinimized(); break;
    case shell::ToggleAction::Focus:
      if (QMdiSubWindow* sub = window->SubWindow()) {
        Client->setActiveSubWindow(sub);
      } else {
        frame->raise();
        frame->activateWindow();
      }
      break;
    case shell::ToggleAction::Show:
    case shell::ToggleAction::Nothing: break;
  }
}

}  // namespace koratsu
