#pragma once
// Form5: the settings editor, where an own story is planned: its audience,
// its genre and up to three settings, each a knowledge item with points.

#include <array>
#include <vector>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "platform/form.h"
#include "platform/window_conventions.h"
#include "production/windows/arrow_button.h"

namespace koratsu {

class Form5 : public platform::Form {
 public:
  static constexpr int kTimerInterval = 100;  // ms
  static constexpr int kRowHeight = 15;       // pixels between candidate rows

  Form5();

  // Shape1(0) to (6): heading bars behind Label3; Shape1(7): the candidate
  // list's highlight bar. Label3: 0 the title, 5 対象層, 2 ｼﾞｬﾝﾙ, 3, 6, 7 設定 1 to 3.
  std::array<platform::Shape*, 8> Shape1{};
  std::array<QLabel*, 8> Label3{};
  std::array<QComboBox*, 3> Combo1{};  // 1 audiences, 2 genres

  // Setting row k: the item's box with its name and the invisible area that
  // takes the clicks, ▼, the points, ▲, the bar over its background, and
  // the frame of the selected row.
  std::array<QWidget*, 3> Picture1{};
  std::array<QLabel*, 3> Label1{};
  std::array<QWidget*, 3> Image1{};
  std::array<ArrowButton*, 3> Image3{};
  std::array<QLabel*, 3> Label8{};
  std::array<ArrowButton*, 3> Image4{};
  std::array<platform::Shape*, 3> Shape11{};
  std::array<platform::Shape*, 3> Shape12{};
  std::array<QWidget*, 3> Shape2{};

  // The candidate list: the frame, its scroll bar (which the mouse wheel over
  // the frame moves too) and the taller inner list with one row per
  // candidate: name, points, bar over its background.
  QWidget* Picture3;
  QScrollBar* VScroll1;
  QWidget* Picture4;
  std::vector<QLabel*> Label10;
  std::vector<QLabel*> Label2;
  std::vector<platform::Shape*> Shape;
  std::vector<platform::Shape*> Shape10;

  QPushButton* Command1;  // 作成開始 / 決定
  QPushButton* Command2;  // やめる
  QPushButton* Command3;  // なし
  QTimer* Timer1;

  // Highlights candidate row `row`.
  void Form5Down(int row);

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Image1_MouseDown(int k);
  void Image3_MouseDown(int k);
  void Image4_MouseDown(int k);
  void PointButton_MouseUp(int k);
  void Label10_DblClick(int row);
  void VScroll1_Change(int value);
  void Timer1_Timer();

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowSetting(int k);
  void ShowSelectedFrame();
  void BuildCandidateRows();
  void RedrawCandidates();

  QWidget* listViewport_ = nullptr;  // the frame's inside, which the inner list scrolls in
};

}  // namespace koratsu
