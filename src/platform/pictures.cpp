#include "platform/pictures.h"

#include <set>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include "platform/qt_strings.h"
#include "state/log.h"
#include "ui/forms.h"

namespace koratsu::platform {

namespace {

QString& Folder() {
  static QString folder;
  return folder;
}

void ReportOnce(const QString& path, const char* what) {
  static std::set<QString> reported;
  if (reported.insert(path).second)
    LogLine(std::string("picture ") + what + ": " + ToStd(path));
}

// A BMP cut short can still load as a picture of its full size with garbage
// in it; its header says how long it must be.
bool BmpComplete(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  QByteArray head = file.read(54);
  if (head.size() < 26 || !head.startsWith("BM")) return true;  // not ours to judge: QImage decides
  auto u32 = [&](int at) { return qFromLittleEndian<quint32>(head.constData() + at); };
  auto s32 = [&](int at) { return qFromLittleEndian<qint32>(head.constData() + at); };
  auto u16 = [&](int at) { return qFromLittleEndian<quint16>(head.constData() + at); };
  qint64 size = file.size();
  quint32 dataOffset = u32(10);
  if (head.size() < 54 || u32(14) < 40) return dataOffset <= size;
  qint64 width = s32(18);
  qint64 height = s32(22);
  int bits = u16(28);
  quint32 compression = u32(30);
  if (compression != 0 || width <= 0 || bits <= 0) return dataOffset <= size;
  qint64 stride = ((width * bits + 31) / 32) * 4;
  return dataOffset + stride * (height < 0 ? -height : height) <= size;
}

}  // namespace

QString ProgramFolder() {
  if (!Folder().isEmpty()) return Folder();
  return QCoreApplication::applicationDirPath();
}

void SetProgramFolder(const QString& folder) { Folder() = folder; }

QString ProgramFile(const QString& relativePath) { return QDir(ProgramFolder()).filePath(relativePath); }

QImage LoadImage(const QString& relativePath) {
  QString path = ProgramFile(relativePath);
  if (!QFile::exists(path)) {
    ReportOnce(path, "missing");
    return {};
  }
  QImage image;
  if (!BmpComplete(path) || !image.load(path)) {
    ReportOnce(path, "damaged");
    return {};
  }
  return image;
}

QPixmap LoadPicture(const QString& relativePath) {
  QImage image = LoadImage(relativePath);
  return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

QPixmap FormPicture(int form, const QString& control) {
  return LoadPicture(Q(form::PicturePath(form, ToStd(control))));
}

}  // namespace koratsu::platform
