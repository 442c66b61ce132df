#include "platform/file_dialogs.h"

#include <QFile>
#include <QFileDialog>

namespace koratsu::platform {

std::optional<std::string> ChooseFile(QWidget* parent, const koratsu::ui::FileDialogRequest& request, bool save) {
  QFileDialog dialog(parent, QString::fromStdString(request.title));
  QString filter = QString::fromStdString(request.filter);
  dialog.setNameFilter(filter);
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (!request.folder.empty()) dialog.setDirectory(QFile::decodeName(request.folder.c_str()));
  if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

}  // namespace koratsu::platform
