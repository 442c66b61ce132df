#include "platform/text_box.h"

#include <iconv.h>

#include <algorithm>
#include <string>
#include <unordered_map>

#include <QLineEdit>
#include <QValidator>

#include "platform/qt_strings.h"

namespace koratsu::platform {

namespace {

// Runs one conversion with glibc iconv, the converter the save file uses.
bool Convert(const char* to, const char* from, const std::string& in, std::string& out) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  char buffer[16];
  char* inPtr = const_cast<char*>(in.data());
  size_t inLeft = in.size();
  char* outPtr = buffer;
  size_t outLeft = sizeof buffer;
  bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) && inLeft == 0;
  iconv_close(cd);
  if (ok) out.assign(buffer, static_cast<size_t>(outPtr - buffer));
  return ok;
}

// The character the save file gives back for `c`, or 0 when it cannot write it.
char16_t ThroughCodePage(char16_t c) {
  static std::unordered_map<char16_t, char16_t> known;
  auto found = known.find(c);
  if (found != known.end()) return found->second;
  char16_t result = 0;
  QChar ch(c);
  if (!ch.isSurrogate()) {
    std::string utf8 = ToStd(QString(ch));
    std::string cp932;
    std::string back;
    if (Convert("CP932", "UTF-8", utf8, cp932) && Convert("UTF-8", "CP932", cp932, back)) {
      QString returned = Q(back);
      if (returned.size() == 1) result = returned.at(0).unicode();
    }
  }
  known.emplace(c, result);
  return result;
}

class CodePageValidator : public QValidator {
 public:
  CodePageValidator(int maxLength, QObject* parent) : QValidator(parent), maxLength_(maxLength) {}

  State validate(QString& input, int& pos) const override {
    // What the save file cannot hold goes first, so a paste keeps as many
    // characters as fit.
    QString taken = TakeTypedText(input);
    int cursor = static_cast<int>(TakeTypedText(input.left(pos)).size());
    if (taken.size() > maxLength_) {
      // What does not fit is cut from what was just typed or pasted, the
      // characters before the cursor: a full box takes no more.
      const int excess = static_cast<int>(taken.size()) - maxLength_;
      const int from = std::max(0, cursor - excess);
      taken.remove(from, cursor - from);
      taken.truncate(maxLength_);
      cursor = std::min(from, maxLength_);
    }
    if (taken != input) {
      input = taken;
      pos = cursor;
    }
    return Acceptable;
  }

 private:
  int maxLength_;
};

}  // namespace

QString TakeTypedText(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (QChar ch : text) {
    char16_t c = ch.unicode();
    if (c == u'"' || c == u'\r' || c == u'\n') continue;
    char16_t kept = ThroughCodePage(c);
    if (kept == 0) continue;
    // A sign the code page turns into a plain ASCII one (¥ into \) is not what was typed.
    if (kept != c && kept < 0x80 && c >= 0x80) continue;
    out.append(QChar(kept));
  }
  return out;
}

void LimitTextBox(QLineEdit* box, int maxLength) {
  // The validator holds the length: the box's own limit would cut a paste
  // before the characters it cannot take are removed.
  box->setValidator(new CodePageValidator(maxLength, box));
}

}  // namespace koratsu::platform
