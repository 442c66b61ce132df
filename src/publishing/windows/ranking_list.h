#pragma once
// The ranking windows' common look: a heading band, a viewport holding a
// list of 100 places with its column lines, and a scroll bar beside it,
// which the mouse wheel over the list moves too. A ranking window is a child
// window of the main window that can be stretched in height only; it keeps
// itself up to date through its redraw request, every 100 ms. The two
// windows differ in their width, caption, columns and source, which the
// subclasses give.

#include <array>
#include <string>
#include <vector>

#include <QLabel>
#include <QScrollBar>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class RankingList : public platform::Form {
 public:
  static constexpr int kPlaces = 100;
  static constexpr int kRowPitch = 15;      // pixels from one place to the next
  static constexpr int kRowTop = 2;         // the first place's top in the list
  static constexpr int kListHeight = 1502;  // 100 places and the margins

  std::array<platform::Shape*, 1> Shape1{};  // the band behind the heading
  QLabel* Label3;                            // the heading
  std::array<platform::Shape*, 3> Line1{};   // the column lines
  QWidget* Picture2;                         // the viewport
  QWidget* Picture1;                         // the list inside it
  QScrollBar* VScroll1;
  std::vector<QLabel*> Label1;               // the places, "1位" to "100位"

  // The window's timer step: serves its redraw request.
  void Timer1_Timer() { ServeRefreshRequests(); }
  void VScroll1_Change();

 protected:
  // `width` is the window's one width in pixels, frame included.
  RankingList(int width, const QString& caption, const QString& heading);

  // A column of the list at `left` pixels, `width` wide: its label of the
  // first place goes into `labels` now, the load adds the other 99.
  void AddColumn(std::vector<QLabel*>& labels, int left, int width, Qt::Alignment alignment = Qt::AlignLeft);
  // A column line, between two columns.
  void ColumnLine(size_t line, int left);

  void Form_Load() override;
  void resizeEvent(QResizeEvent* event) override;

  // What the refresh writes into place k, and the player's mark.
  static void Write(QLabel* label, const std::string& text);
  // The same for a text that may not fit its column: cut short with "…",
  // the whole text in the label's tooltip.
  static void WriteShortened(QLabel* label, const std::string& text);
  static void MarkPlayer(QLabel* label, bool player);

 private:
  void Form_Resize();
  // The scroll bar's range over the list; a list that fits the viewport
  // sets no range unless the window was resized.
  void SetUpScrollBar(bool resized);

  void AddPlaces();

  int width_;
  std::vector<std::vector<QLabel*>*> columns_;  // Label1 and the subclass's columns
  bool resizing_ = false;
};

}  // namespace koratsu
