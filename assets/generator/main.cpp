// Writes every registered asset under the folder given on the command line.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "generator/registry.h"

namespace koratsu::assets {

namespace {
std::vector<AssetMaker>& Makers() {
  static std::vector<AssetMaker> makers;
  return makers;
}
}  // namespace

bool RegisterAsset(const std::string& relativePath, std::function<bool(const QString&)> make) {
  Makers().push_back({QString::fromStdString(relativePath), std::move(make)});
  return true;
}

const std::vector<AssetMaker>& RegisteredAssets() { return Makers(); }

}  // namespace koratsu::assets

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: koratsu_assetgen <output folder>\n");
    return 2;
  }
  QGuiApplication app(argc, argv);  // fonts for the pictures that hold text
  QDir out(QString::fromLocal8Bit(argv[1]));
  int failures = 0;
  for (const koratsu::assets::AssetMaker& maker : koratsu::assets::RegisteredAssets()) {
    QString path = out.filePath(maker.relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!maker.make(path)) {
      std::fprintf(stderr, "koratsu_assetgen: could not write %s\n", qPrintable(path));
      ++failures;
    }
  }
  // The folders the program looks into exist even before they hold anything.
  out.mkpath("Graphic");
  out.mkpath("Sound");
  return failures == 0 ? 0 : 1;
}
