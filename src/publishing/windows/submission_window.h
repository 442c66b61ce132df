#pragma once
// What the windows sending a finished work to a publisher share (the posting
// window Form8 and the bring-in window Form24): the heading bars, the lists of
// works and magazines, the work's and the publisher's details, the send and
// やめる buttons and what they do. A window describes its own texts, places
// and rules in a SubmissionLook and builds the work's details itself.

#include <array>
#include <memory>
#include <span>
#include <vector>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QString>

#include "platform/form.h"
#include "platform/window_conventions.h"
#include "publishing/windows/submission_lists_view.h"

namespace koratsu {

// A column of the magazine list: its heading and its width in pixels.
struct SubmissionColumn {
  QString heading;
  int width;
};

// The white headings stand on bands: Shape1[0] and Label3[0] the window's,
// Shape1[1] the works list's, then one a column. Label3 numbers the columns'
// headings from 1 and the works list's after them.
struct SubmissionLook {
  QString title;
  QString heading;
  QString worksHeading;
  std::vector<SubmissionColumn> columns;  // publisher, magazine and perhaps the fee
  size_t worksBar, magazineBar;           // the lists' selection bars in Shape1
  int workFrameHeight;                    // Frame1[1]'s, in twips
  QString send;                           // Command2's caption
  void (*open)();                         // the rule run as the window loads
  bool (*sendWork)();                     // the rule Command2 runs
};

class SubmissionWindow : public platform::Form {
 public:
  // The details: 0 publisher, 1 magazine, 2 its description, 7 adoptions,
  // 8 fee; 4 the work's audience, 5 its genre.
  SubmissionDetails Label5{};
  std::array<QGroupBox*, 2> Frame1{};  // 0 the publisher's details, 1 the work's
  // Picture1 to Picture4, the row labels Label1, Label2, Label4 and Label7,
  // the rules Line1 and the scroll bars VScroll1 and VScroll2.
  std::unique_ptr<SubmissionLists> Lists;
  QPushButton* Command1 = nullptr;  // やめる
  QPushButton* Command2 = nullptr;  // the look's send

  void MangaClick(int row);
  void SyuppanClick(int row);
  void Command1_Click();
  void Command2_Click();

 protected:
  SubmissionWindow();

  // Builds the controls into the window's own Shape1 and Label3; the
  // window's constructor calls it once.
  void Build(const SubmissionLook& look, std::span<platform::Shape*> shapes, std::span<QLabel*> captions);
  // Fills Frame1[1], the work's details.
  virtual void BuildWorkDetails() = 0;
  // A caption (Label3) of the details and the label (Label5) beside it.
  void MakeDetail(QWidget* frame, size_t caption, const QString& text, size_t value, int top);
  static QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, int width, int height);

  void Form_Load() override;

 private:
  std::span<platform::Shape*> shapes_;
  std::span<QLabel*> captions_;
  size_t worksBar_ = 0, magazineBar_ = 0;
  void (*open_)() = nullptr;
  bool (*sendWork_)() = nullptr;
};

}  // namespace koratsu
