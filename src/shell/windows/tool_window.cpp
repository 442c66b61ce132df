#include "shell/windows/tool_window.h"

#include <QMdiSubWindow>

#include "platform/twips.h"
#include "shell/windows/main_window.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kCellLefts[] = {60, 420, 780, 1140};
constexpr int kCellTops[] = {60, 420, 780, 1140, 1500};
// The room view's place and outer width as it opens for each dwelling.
constexpr int kRoomViewWidth = 5295;       // twips
constexpr int kLargeRoomViewWidth = 6225;  // the house

// Right beside the room view, at the top of the client area; with the room
// view closed, beside where it would open.
QPoint Place() {
  if (platform::Form* room = platform::Forms().Find(form::kRoomView)) {
    QRect frame = room->Frame()->geometry();
    return {frame.x() + frame.width(), 0};
  }
  int width = State().HouseKind == 1 ? kLargeRoomViewWidth : kRoomViewWidth;
  return {platform::Px(width), 0};
}

}  // namespace

Form30::Form30() : Form({.kind = platform::FormKind::Child, .centre = false}) {
  setWindowTitle(QStringLiteral("ﾂｰﾙｳｨﾝﾄﾞｳ"));
  platform::SetFixedClientSize(this, 1560, 1890);
  for (const ToolButton& button : ToolButtons()) {
    if (button.column == 0) continue;
    auto* image = new ToolImage(button.index, this);
    platform::Place(image, kCellLefts[button.column - 1], kCellTops[button.row - 1], kToolButtonWidth,
                    kToolButtonHeight);
    image->MouseDown = [this](int index, int code) { BSave_MouseDown(index, code); };
    image->MouseUp = [this](int index, int code) { BSave_MouseUp(index, code); };
    image->MouseMove = [this](int index) { BSave_MouseMove(index); };
    image->Click = [this](int index) { BSave_Click(index); };
    BSave[static_cast<size_t>(button.index)] = image;
  }
}

void Form30::Form_Load() {
  if (QMdiSubWindow* frame = SubWindow()) {
    // A tool window's border: a small caption and a close box, nothing to minimise or maximise.
    frame->setWindowFlags(Qt::SubWindow | Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
    frame->adjustSize();
    frame->move(Place());
  }
  MDIForm1* main = MDIForm1::Instance();
  if (!main) return;
  for (ToolImage* image : BSave)
    if (image) image->SetPicture(main->BSave[static_cast<size_t>(image->Index()) + 1]->Picture());
  // Saving and loading wait for the end of the tutorial, as in the menu.
  bool locked = main->TutorialMenusLocked() || State().TutorialMode == 1;
  BSave[kSaveButton]->setEnabled(!locked);
  BSave[kLoadButton]->setEnabled(!locked);
}

void Form30::BSave_MouseDown(int index, int button) {
  MDIForm1* main = MDIForm1::Instance();
  ToolImage* image = FindToolButton(index) ? BSave[static_cast<size_t>(index)] : nullptr;
  if (button != 1 || !main || !image) return;
  image->SetPicture(main->BSave[static_cast<size_t>(index) + 2]->Picture());
}

void Form30::BSave_MouseUp(int index, int button) {
  MDIForm1* main = MDIForm1::Instance();
  ToolImage* image = FindToolButton(index) ? BSave[static_cast<size_t>(index)] : nullptr;
  if (button != 1 || !main || !image) return;
  image->SetPicture(main->BSave[static_cast<size_t>(index) + 1]->Picture());
}

void Form30::BSave_MouseMove(int index) {
  if (ToolImage* image = FindToolButton(index) ? BSave[static_cast<size_t>(index)] : nullptr)
    ToolButtonHover(*image);
}

void Form30::BSave_Click(int index) {
  // The same commands as the main window's buttons; the window may be gone
  // when the command returns (a load closes it).
  if (MDIForm1* main = MDIForm1::Instance()) main->BSave_Click(index);
}

namespace {
const bool registered = platform::RegisterForm<Form30>(form::kToolWindow);
}  // namespace

}  // namespace koratsu
