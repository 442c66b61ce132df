// The standard file dialogs, offscreen.

#include "platform/file_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace koratsu {
namespace {

// An environment variable set for the life of a test.
class EnvironmentValue {
 public:
  EnvironmentValue(const char* name, const QString& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.toLocal8Bit().constData(), 1);
  }
  ~EnvironmentValue() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Cancels the next file dialog once it is up, noting the folder it opened in.
void CancelNextDialog(QString& folder) {
  auto* poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, &folder] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    poll->stop();
    poll->deleteLater();
    folder = dialog->directory().absolutePath();
    dialog->reject();
  });
  poll->start();
}

TEST(FileDialogTest, OpensInTheAskedFolderAndWritesNoSettingsFile) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  const EnvironmentValue homeValue("HOME", home.path());
  const EnvironmentValue config("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")));
  ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("saves")));
  const QString saves = home.filePath(QStringLiteral("saves"));

  for (bool save : {true, false}) {
    ui::FileDialogRequest request{save ? "ファイルを保存する" : "ファイルを開く", "Koratsu (*.krt)", "krt", "",
                                  saves.toStdString()};
    QString opened;
    CancelNextDialog(opened);
    EXPECT_EQ(platform::ChooseFile(nullptr, request, save), std::nullopt);
    EXPECT_EQ(opened, saves);
  }
  QDirIterator left(home.path(), QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (left.hasNext()) ADD_FAILURE() << "left behind: " << left.next().toStdString();
}

}  // namespace
}  // namespace koratsu
