#include "platform/app_setup.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace koratsu::platform {

namespace {

// Polishing comes before a widget is first shown, and Qt's tooltip label
// polishes itself before it takes its text, so every label, the tooltip's
// too, is plain before it is measured or drawn.
class PlainTextLabels : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Polish) {
      if (auto* label = qobject_cast<QLabel*>(watched); label && label->textFormat() == Qt::AutoText) {
        label->setTextFormat(Qt::PlainText);
      }
    }
    return false;
  }
};

}  // namespace

void SetUpApplication(QApplication& app) {
  app.installEventFilter(new PlainTextLabels(&app));

  // The windows name the Windows-era Japanese fonts; IPA fonts stand in for them.
  QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
  QFont::insertSubstitution(QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"));
  QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));

  // The standard file dialog and message boxes speak Japanese, like the game.
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
  QApplication::setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
  // The desktop finds the menu entry, and with it the icon, by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("koratsu"));
}

}  // namespace koratsu::platform
