// The main window's docked toolbar: 21 picture buttons in the strip along
// the top edge, each with a pressed look, a tooltip and a description in the
// status line; the same events serve the floating tool window's buttons.

#include "platform/form.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "shell/windows/main_window.h"
#include "ui/forms.h"

namespace koratsu {

namespace {


QString StoreName(int index) { return QStringLiteral("BSave(%1)").arg(index); }

}  // namespace

void MDIForm1::BuildToolbar() {
  for (const ToolButton& button : ToolButtons()) {
    auto k = static_cast<size_t>(button.index);
    auto* visible = new ToolImage(button.index, Picture1);
    platform::Place(visible, button.left, kToolButtonTop, kToolButtonWidth, kToolButtonHeight);
    visible->MouseDown = [this](int index, int code) { BSave_MouseDown(index, code); };
    visible->MouseUp = [this](int index, int code) { BSave_MouseUp(index, code); };
    visible->MouseMove = [this](int index) { BSave_MouseMove(index); };
    visible->Click = [this](int index) { BSave_Click(index); };
    BSave[k] = visible;
    // The two stores lie below the strip's visible height and are never seen.
    for (size_t store : {k + 1, k + 2}) {
      auto* picture = new ToolImage(static_cast<int>(store), Picture1);
      picture->SetPicture(platform::FormPicture(form::kMDIForm1, StoreName(static_cast<int>(store))));
      platform::Place(picture, button.left, 405, kToolButtonWidth, kToolButtonHeight);
      picture->hide();
      BSave[store] = picture;
    }
  }
}

void MDIForm1::BSave_MouseDown(int index, int button) {
  if (button != 1 || !FindToolButton(index)) return;
  BSave[static_cast<size_t>(index)]->SetPicture(BSave[static_cast<size_t>(index) + 2]->Picture());
}

void MDIForm1::BSave_MouseUp(int index, int button) {
  if (button != 1 || !FindToolButton(index)) return;
  BSave[static_cast<size_t>(index)]->SetPicture(BSave[static_cast<size_t>(index) + 1]->Picture());
}

void MDIForm1::BSave_MouseMove(int index) {
  if (!FindToolButton(index)) return;
  ToolButtonHover(*BSave[static_cast<size_t>(index)]);
}

void MDIForm1::BSave_Click(int index) {
  if (const ToolButton* button = FindToolButton(index)) Run(button->command);
}

}  // namespace koratsu
