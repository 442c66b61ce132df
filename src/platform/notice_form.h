#pragma once
// The notices: small windows that tell the player of an event. Each has a
// heading on its bar (where it has one), one or more pictures in a row at
// the left, its texts in a white panel beside them and one button at the
// bottom right. The clock stops while a notice is open; its button, and its
// close box where it keeps one, close it and start the clock again.
//
// A notice builds itself in its constructor, in this order:
//
//   Form67::Form67() : NoticeForm(form::kBigGain, QStringLiteral("大幅アップ"), {.closeBox = true}) {
//     LabelC[0] = AddHeading("LabelC(0)", QStringLiteral("== 知識ﾎﾟｲﾝﾄが大幅ｱｯﾌﾟ =="));
//     Image1 = AddPicture("Image1", 64, 64);
//     Label1[1] = AddText("Label1(1)", 3);
//     AddButton(QStringLiteral("閉じる"));
//   }
//
// Texts are named as the design names them ("Label1(1)"), so that an opener
// can fill them through ui::SetControlText before the notice shows.

#include <vector>

#include <QLabel>
#include <QPushButton>
#include <QString>

#include "platform/form.h"
#include "platform/window_conventions.h"

class QFrame;

namespace koratsu::platform {

struct NoticeStyle {
  bool closeBox = false;  // keeps its close box, which acts as its button
  int width = 4800;       // client width, twips
  bool pauseClock = true;  // false: the clock runs on while it is open
};

class NoticeForm : public Form {
 public:
  QPushButton* Command1 = nullptr;
  // The heading bars (Shape1), filled with the headings' colour on load.
  std::vector<Shape*> Shape1;

  // The notice's effect, then it closes.
  void Command1_Click();

 protected:
  NoticeForm(int form, const QString& caption, const NoticeStyle& style);

  // The heading on its bar across the top.
  QLabel* AddHeading(const char* name, const QString& text);
  // A picture stored with control `control`, `width` × `height` pixels, to
  // the right of the pictures before it; empty when its file is missing.
  QLabel* AddPicture(const char* control, int width, int height);
  // A picture stored with the window that is never shown, only copied into
  // a shown one.
  QLabel* AddHiddenPicture(const char* control);
  // A text of `lines` lines under the texts before it, in the panel beside
  // the pictures; it wraps.
  QLabel* AddText(const char* name, int lines, const QString& text = {}, bool bold = false);
  // The button under the panel, at the right; the window takes its size from it.
  void AddButton(const QString& caption);

  // What the button does before the window closes: nothing unless a notice says.
  virtual void ButtonPressed() {}

  void Form_Load() override;
  void CloseBoxPressed() override;

 private:
  int form_;
  int width_;
  int bodyTop_;
  int picturesRight_;
  int bodyHeight_ = 0;
  int textsHeight_ = 0;
  QFrame* panel_ = nullptr;
};

}  // namespace koratsu::platform
