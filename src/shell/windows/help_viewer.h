#pragma once
// The help: the game's own help document beside the program (Koratsu.html),
// shown in a small window of its own in front of the main window.

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace koratsu {

class HelpViewer : public QWidget {
 public:
  // The document's file name beside the program.
  static constexpr const char* kDocument = "Koratsu.html";

  explicit HelpViewer(QWidget* owner);

  // Shows the document from its start; a missing document is said in the window.
  void OpenAtStart();
  QTextBrowser* Browser() const { return browser_; }

  // The one viewer of the program, made at the first use.
  static HelpViewer& Instance();
  static HelpViewer* Existing();

 private:
  QTextBrowser* browser_;
};

}  // namespace koratsu
