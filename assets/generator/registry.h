#pragma once
// Every asset registers one maker; the generator runs them all.
//
//   static const bool registered = RegisterAsset("Graphic/kabe.bmp", [](const QString& path) {
//     QImage image = ...;
//     return art::SaveBmp(image, path);
//   });

#include <functional>
#include <string>
#include <vector>

#include <QString>

namespace koratsu::assets {

struct AssetMaker {
  QString relativePath;                      // beside the program, e.g. "Graphic/Title.bmp"
  std::function<bool(const QString&)> make;  // writes the file at the absolute path given
};

// `relativePath` in UTF-8, as a window names its stored pictures (form::PicturePath).
bool RegisterAsset(const std::string& relativePath, std::function<bool(const QString&)> make);
const std::vector<AssetMaker>& RegisteredAssets();

}  // namespace koratsu::assets
