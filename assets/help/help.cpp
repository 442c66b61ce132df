// The help document: written by hand in help/Koratsu.html and put beside the
// program as it is.

#include <QFile>

#include "generator/registry.h"

namespace koratsu::assets {

namespace {

const bool registered = RegisterAsset("Koratsu.html", [](const QString& path) {
  QFile::remove(path);
  return QFile::copy(QStringLiteral(KORATSU_ASSET_SOURCE_DIR "/help/Koratsu.html"), path);
});

}  // namespace

}  // namespace koratsu::assets
