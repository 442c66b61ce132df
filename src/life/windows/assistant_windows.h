#pragma once
// Form52 (hiring an assistant) and Form53 (dismissing one): one design, a
// page per assistant with his portrait, name, skill and work points, browsed
// with a scroll bar or the mouse wheel.

#include <array>

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class AssistantForm : public platform::Form {
 public:
  virtual void Command1_Click() = 0;
  void Command2_Click();  // やめる
  void HScroll1_Change();
  void HScroll1_Scroll();

  std::array<platform::Shape*, 4> Shape1{};  // the heading's band and the three captions' bands
  std::array<platform::Shape*, 3> Shape3{};  // the fields behind the three values
  std::array<QLabel*, 1> Label3{};           // the heading
  std::array<QLabel*, 4> Label1{};           // 1 "技術", 2 "仕事ﾎﾟｲﾝﾄ", 3 "名前"
  std::array<QLabel*, 3> Label2{};           // 0 the skill, 1 the name, 2 the points
  std::array<QLabel*, 1> Image1{};           // the portrait
  QScrollBar* HScroll1;
  QPushButton* Command1;
  QPushButton* Command2;

 protected:
  AssistantForm(const QString& caption, const QString& heading, const QString& command);

  // Pages 0 to AsiListCount - 1, page 0 shown.
  void OpenList();
  // The assistant on the scroll bar's page.
  void ShowPage();
};

class Form52 : public AssistantForm {
 public:
  Form52();
  void Command1_Click() override;  // 雇用する

 protected:
  void Form_Load() override;
};

class Form53 : public AssistantForm {
 public:
  Form53();
  void Command1_Click() override;  // 解雇する

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
