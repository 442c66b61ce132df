#pragma once
// The frame the job dialog (Form32) and the training dialog (Form39) share:
// the heading and "何をしますか？" on their bands beside the drop-down list,
// the picture, a sunken panel, 体力 with the stamina gauge and the chosen
// activity's stamina cost, and the start and cancel buttons, each where both
// designs put it. What the panel and Label1 hold is each dialog's own.

#include <array>
#include <string>
#include <vector>

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "life/windows/activity_controls.h"
#include "platform/form.h"
#include "platform/gauges.h"

namespace koratsu {

class ActivityChoiceDialog : public platform::Form {
 public:
  std::array<platform::Shape*, 3> Shape1{};
  std::array<QLabel*, 2> Label3{};     // the heading, "何をしますか？"
  std::array<QComboBox*, 1> Combo1{};  // the choices
  QFrame* Picture1;
  std::array<QLabel*, 7> Label1{};     // 6 the stamina cost; the others the dialog's own
  std::array<QLabel*, 3> Label2{};     // 2 体力
  std::array<platform::Shape*, 1> Shape12{};
  std::array<platform::Shape*, 1> Shape2{};
  std::array<QWidget*, 1> Shape11{};
  std::array<QLabel*, 1> Label10{};    // "5/25"
  std::array<QLabel*, 1> Image1{};
  QPushButton* Command3;  // start
  QPushButton* Command2;  // やめる

  virtual void Combo1_Click() = 0;
  virtual void Command3_Click() = 0;
  void Command2_Click() { Unload(); }

 protected:
  // The picture is `pictureForm`'s Image1(0); the panel is `panelHeight` twips high.
  ActivityChoiceDialog(const char* caption, const char* heading, int pictureForm, const char* start,
                       int panelHeight);
  // The end of the loading: the list of `names` with the first chosen, and the stamina.
  void ShowChoices(const std::vector<std::string>& names);

 private:
  platform::StaminaGauge stamina_;
};

}  // namespace koratsu
