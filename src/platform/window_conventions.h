#pragma once
// Small habits the game's windows share: fixed-width list windows,
// backgrounds (the design's colour, or one chosen by the screen's colour
// depth), and heading bars.

#include <span>

#include <QWidget>

namespace koratsu::platform {

// A list window that can be resized only in height: its outer width stays
// `width` pixels and it is never lower than `minHeight`. `frame` is what the
// desktop resizes: the MDI frame of a child window.
void FixWidth(QWidget* frame, int width, int minHeight = 86);

// The number of colours the screen shows: 2 to the power of its bits per pixel.
float ScreenColorCount(const QWidget* window);

// &HE0E0E0 on a screen of 65536 colours or more, &HC0C0C0 below.
unsigned BackgroundForColorCount(float colors);

// Fills a window or control's background with a colour of its design (&HBBGGRR).
void SetBackground(QWidget* window, unsigned bbggrr);

// Gives a control's text a colour of its design (&HBBGGRR).
void SetTextColour(QWidget* control, unsigned bbggrr);

// A filled rectangle of a window's design (a Shape control), drawn behind
// the controls created after it.
class Shape : public QWidget {
 public:
  explicit Shape(QWidget* parent, unsigned fillColor = 0xFFFFFF);
  void SetFillColor(unsigned bbggrr);
  unsigned FillColor() const { return fill_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  unsigned fill_;
};

// Gives every element of a window's Shape1 array the heading bars' fill &HFF8000.
void FillHeadingBars(std::span<Shape* const> shapes);

}  // namespace koratsu::platform
