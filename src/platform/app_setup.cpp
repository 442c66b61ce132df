#include "platform/app_setup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace koratsu::platform {

void SetUpApplication(QApplication& app) {
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
