#include "publishing/windows/notice_rows.h"

#include "platform/twips.h"

namespace koratsu {

QLabel* ValueBeside(QLabel* caption, const char* name, const QString& text, int captionWidth) {
  const QRect line = caption->geometry();
  const int split = platform::Px(captionWidth);
  caption->setGeometry(line.x(), line.y(), split, line.height());
  caption->setWordWrap(false);
  auto* value = new QLabel(text, caption->parentWidget());
  value->setObjectName(QString::fromUtf8(name));
  value->setGeometry(line.x() + split, line.y(), line.width() - split, line.height());
  value->setAlignment(caption->alignment());
  return value;
}

}  // namespace koratsu
