#pragma once
// Game texts are UTF-8 std::strings; Qt's are QStrings. These are the one way
// across in each direction.

#include <string>
#include <string_view>

#include <QString>

namespace koratsu::platform {

inline QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

inline std::string ToStd(const QString& text) { return text.toStdString(); }

}  // namespace koratsu::platform
