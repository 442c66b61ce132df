#pragma once
// Form30: the floating tool window, the toolbar's twin inside the main
// window's client area: 20 of its buttons, four to a row.

#include <array>

#include "platform/form.h"
#include "shell/windows/toolbar.h"

namespace koratsu {

class Form30 : public platform::Form {
 public:
  Form30();

  // Buttons by the main window's indices 0, 3, .. 60; help (36) is not here.
  std::array<ToolImage*, kBSaveCount> BSave{};

  void BSave_MouseDown(int index, int button);
  void BSave_MouseUp(int index, int button);
  void BSave_MouseMove(int index);
  void BSave_Click(int index);

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
