#pragma once
// Form11: the archive of finished works, a child window of the main window.
// The titles in the order the works were made, and the selected work's
// details in the panel of its kind (serial, requested one-shot, own work),
// which follows the game while time runs; the panel scrolls with its scroll
// bar or the mouse wheel. Only its height can change.

#include <array>
#include <vector>

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTimer>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

struct SerialDetail;
struct OneShotDetail;
struct OwnWorkDetail;

// A detail panel: a white grid of heading and value cells. The serial
// panel's rows below its volume rows move down as volumes are added.
class DetailPanel : public QWidget {
 public:
  DetailPanel(QWidget* parent, int height);

  // A grid line, `width` pixels wide; an end marked lower moves with the lower rows.
  void AddLine(int x1, int y1, int x2, int y2, int width = 1, bool lowerStart = false, bool lowerEnd = false);
  // A control of the lower rows.
  void MovesWithLowerRows(QWidget* control);
  // Places the lower rows `offset` pixels below their places; the panel is then `height` high.
  void SetLowerOffset(int offset, int height);

 private:
  struct Line {
    int x1, y1, x2, y2, width;
    bool lowerStart, lowerEnd;
  };
  struct Mover {
    QWidget* control;
    int top;
  };
  class Grid;

  std::vector<Line> lines_;
  std::vector<Mover> movers_;
  Grid* grid_;
  int offset_ = 0;
};

class Form11 : public platform::Form {
 public:
  Form11();

  // Shape1(0) with Label(0): the title band; the further elements are the
  // panels' heading cells, under the captions of Label10.
  std::vector<platform::Shape*> Shape1;
  std::array<QLabel*, 1> Label{};
  std::vector<QLabel*> Label10;
  QListWidget* List1;
  QFrame* Picture2;                       // the viewport
  std::array<DetailPanel*, 3> Picture1{};  // serial, one-shot, own-work panel
  QScrollBar* VScroll1;
  QTimer* Timer1;

  // Value cells. Serial panel: Label1(0) title, Label4(0) episodes,
  // Label2(0) period, Label3(0) magazine, (8) rank, (12) fee, (13) anime
  // income, (5) anime, (6) movie, (9) copies sold, (10) stock, (7) anime
  // rating, (2) audience, (11) box office. One-shot panel: Label1(1),
  // Label4(1) date, Label2(3) adoption, Label2(1) fee, Label3(1) magazine.
  // Own-work panel: Label1(2), Label4(2) date, Label3(3) magazine, Label3(4)
  // result, Label2(2) prize.
  std::array<QLabel*, 3> Label1{};
  std::array<QLabel*, 4> Label2{};
  std::array<QLabel*, 14> Label3{};
  std::array<QLabel*, 3> Label4{};
  // The serial panel's volume rows: volume, price, copies sold, stock.
  // Row 0 is always there; the others are made when a work first needs them
  // and kept while the window is open.
  std::vector<QLabel*> Label6, Label7, Label8, Label9;

  // Fills the shown panel with the selected work's details.
  void FormReDisplay11();

  void List1_Click();
  void List1_DblClick();
  void Timer1_Timer();
  void VScroll1_Change(int value);
  // The height fit: at least 1300 twips; the list, the viewport and the
  // scroll bar end 8 pixels above the bottom; the scroll range of the shown panel.
  void Form_Resize();

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void Rebuild() override;
  void Redraw() override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildSerialPanel();
  void BuildOneShotPanel();
  void BuildOwnWorkPanel();
  void AddVolumeRow();
  void FillList();
  void ShowOnly(int panel);
  void Apply(const SerialDetail& detail);
  void Apply(const OneShotDetail& detail);
  void Apply(const OwnWorkDetail& detail);
  void SetScrollRange(int panelHeight);
  bool Minimised();

  QWidget* viewportInside_ = nullptr;
  std::vector<QWidget*> volumeBlocks_;  // the volume rows' labels, 25 rows to a block
};

}  // namespace koratsu
