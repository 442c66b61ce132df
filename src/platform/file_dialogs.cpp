#include "platform/file_dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QSettings>

#include "platform/qt_strings.h"

namespace koratsu::platform {

std::optional<std::string> ChooseFile(QWidget* parent, const ui::FileDialogRequest& request, bool save) {
  // The dialog reads and writes a settings file of the toolkit's own (its
  // history, the last folder) in the player's home; the game keeps nothing
  // outside its saved games and says itself where a dialog opens. Pointed
  // where no file can be made, the settings are neither read nor written.
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
    QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
  QFileDialog dialog(parent, Q(request.title));
  QString filter = Q(request.filter);
  dialog.setNameFilter(filter);
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(Q(request.defaultExt));
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (!request.folder.empty()) dialog.setDirectory(QFile::decodeName(request.folder.c_str()));
  if (!request.fileName.empty()) dialog.selectFile(Q(request.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

}  // namespace koratsu::platform
