#pragma once
// The layout the conversation window (Form21) and the tutorial's guide
// (Form36) share: a speech balloon with its typed line, the speaker's
// portrait beside it, one button below the portrait and the typing timer.

#include <array>
#include <vector>

#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <QTimer>

#include "platform/form.h"
#include "ui/talk.h"

namespace koratsu {

class BalloonForm : public platform::Form {
 public:
  QLabel* Picture1;               // the speech balloon
  std::array<QLabel*, 1> Label1;  // the typed text, inside the balloon
  std::array<QLabel*, 1> Image1;  // the portrait shown
  QPushButton* Command1;
  QTimer* Timer1;

  // The stored portrait frames, from 1; element 0 stays empty.
  std::vector<QPixmap> Frames;
  // Which of them Image1(0) shows; 0 before the first tick.
  int ShownFrame() const { return shownFrame_; }

  virtual void Timer1_Timer() = 0;
  virtual void Command1_Click() = 0;

 protected:
  // Where a window's design puts what differs between the two, in twips.
  struct Layout {
    int form;  // whose stored pictures: form::kConversation
    int clientWidth, clientHeight;
    int portraitTop;
    int buttonTop;
    int frameCount;     // portraits stored as Image1(1) to Image1(frameCount)
    int timerInterval;  // ms
  };
  BalloonForm(const platform::FormTraits& traits, const Layout& layout);

  void Form_Unload() override;
  void ShowFrame(int frame);
  // Shows the part of the line typed so far, in the size and the lines the
  // whole line fits the balloon in, so that the text keeps its place while
  // it types. A line breaks where the line breaking rules allow, between two
  // dots of a run, or where it must, inside a piece longer than a line.
  void ShowTyped(const Typing& typing);

 private:
  // Chooses the size and the lines for `line`.
  void Fit(const QString& line);

  int shownFrame_ = 0;
  QFont standardFont_;  // the balloon's font for every line that fits in it
  QString fittedLine_;  // the line the label's font and lines were chosen for
  std::vector<qsizetype> lineStarts_;
};

}  // namespace koratsu
