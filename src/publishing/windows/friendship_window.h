#pragma once
// Form58: the publishers under a friendship scale, a child window. It reads
// only the publishers' names: no friendship value is drawn on the scale,
// and its one bar stands at a fixed place in the first row.

#include <array>

#include <QFrame>
#include <QLabel>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form58 : public platform::Form {
 public:
  // Pixels inside Picture1: row i's top, and the scale's lines.
  static constexpr int kRowTop = 20;
  static constexpr int kRowStep = 15;
  static constexpr int kScaleLineCount = 15;

  Form58();

  std::array<platform::Shape*, 1> Shape1{};  // behind the heading
  QLabel* Label3;                            // the heading
  QFrame* Picture1;                          // the rows and the scale
  std::array<QLabel*, 5> Label1{};           // the publishers' names
  std::array<QLabel*, 5> Image1{};           // a small picture after each name
  QLabel* Label2;                            // 悪 普 良 over the scale
  // The scale: 0 and 1 the lines above and below the rows, then the
  // vertical lines from left to right.
  std::array<platform::Shape*, 2 + kScaleLineCount> Line1{};
  platform::Shape* Shape2;  // the bar

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
