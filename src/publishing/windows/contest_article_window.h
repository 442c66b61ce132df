#pragma once
// Form44: a rookie contest's result in print. The magazine spread holds the
// grand prize's article on its right page, the second prize's at the top
// left and the honourable mention's at the bottom left; only the article of
// the prize the player's work won (FormParam(44)) takes the pointing hand,
// has the pointer line drawn to it and opens its text in the reading window.

#include <array>

#include <QLabel>
#include <QPoint>
#include <QPushButton>
#include <QWidget>

#include "platform/clickable_label.h"
#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

// A straight line between two points of its parent, drawn over it; it
// takes no clicks.
class PointerLine : public QWidget {
 public:
  explicit PointerLine(QWidget* parent);
  // Both ends in twips of the parent's client area.
  void SetEnds(int x1, int y1, int x2, int y2);
  QPoint Start() const { return start_; }
  QPoint End() const { return end_; }  // pixels

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint start_, end_;
};

class Form44 : public platform::Form {
 public:
  Form44();

  std::array<platform::Shape*, 1> Shape1;
  std::array<QLabel*, 1> LabelC;                     // heading
  std::array<QLabel*, 2> Label1{};                   // Label1(1): "クリックしてください"
  QLabel* Image1;                                    // the spread
  std::array<platform::ClickableLabel*, 3> Image2;  // the articles: grand prize, second prize, mention
  PointerLine* Line1;                                // from the words to the won article
  PointerLine* Line2;                                // under the words
  QPushButton* Command1;                             // 閉じる

  void Image2_Click(int index);
  void Command1_Click();

 protected:
  void Form_Load() override;

 private:
  int wonArea_ = -1;
};

}  // namespace koratsu
