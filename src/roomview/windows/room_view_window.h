#pragma once
// Form1: the room view, the studio as a small animated picture, a child
// window at the top-left corner of the main window. A 30 ms timer composes a
// fresh frame from the sprite table off screen and shows it whole, when
// something it is made of changed.

#include <string_view>

#include "platform/form.h"
#include "roomview/compose.h"

class QTimer;

namespace koratsu {

class Form1 : public platform::Form {
 public:
  Form1();

  // "GraphicChange".
  platform::FormMethods Methods() override;

  // Loads the room picture of the current dwelling and gives the window the
  // dwelling's size; the room and the frame being composed take the picture's
  // size. A dwelling without a picture file shows an empty room.
  void GraphicChange();

  // One frame: cull, sort, compose, present; nothing when the frame would be
  // the one shown.
  void Timer1_Timer();

  QTimer* Timer1;

  // The off-screen surfaces: the room picture, the frame being composed, and
  // the two sprite sheets.
  PixelBuffer BitMap, Graphic, GraphicM, GraphicC;

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // What the frame shown was made of, and the same taken now.
  FrameSnapshot composed_, now_;
  // The room picture changed since: the next frame is composed whatever the sprites.
  bool roomChanged_ = true;
};

}  // namespace koratsu
