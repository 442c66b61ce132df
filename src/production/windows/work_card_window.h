#pragma once
// Form45: a finished work's card: its audience, genre, three settings with
// their points and bars, and its six ratings as marks. Read-only; the clock
// stands still while it is open.

#include <array>
#include <vector>

#include <QLabel>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form45 : public platform::Form {
 public:
  // A setting bar's frame, which 99 points fill, and the picture box that
  // holds it, where more points run on past the frame (twips).
  static constexpr int kBarFrameWidth = 1050;
  static constexpr int kBarPictureWidth = 1380;

  Form45();

  // Heading bars: 0 behind the header, then one behind each caption.
  std::vector<platform::Shape*> Shape1;
  // Captions: 0 the header, 5 対象年齢層, 2 ジャンル, 1, 6, 7 設定 1 to 3,
  // 8 画力, 9 ｽﾄｰﾘｰ, 11 構成力, 13 演出力, 12 ｷｬﾗｸﾀｰ, 10 ｵﾘｼﾞﾅﾘﾃｨｰ.
  std::array<QLabel*, 14> Label3{};
  // 1 the audience, 2 the genre; 0, 4, 5 the settings' items.
  std::array<QLabel*, 6> Label1{};
  // The marks beside their captions: 0 画力, 1 ｽﾄｰﾘｰ, 3 構成力, 5 演出力,
  // 4 ｷｬﾗｸﾀｰ, 2 ｵﾘｼﾞﾅﾘﾃｨｰ.
  std::array<QLabel*, 6> Label9{};
  // Setting k's bar: the picture box, the frame, the bar and the points.
  std::array<QWidget*, 3> Picture1{};
  std::array<platform::Shape*, 3> Shape12{};
  std::array<platform::Shape*, 3> Shape11{};
  std::array<QLabel*, 3> Label8{};
  QPushButton* Command1;  // 閉じる

  void Command1_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
