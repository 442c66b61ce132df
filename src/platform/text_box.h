#pragma once
// Text boxes whose text goes into the saved game: they take only what the
// save file can write and read back exactly.

#include <QString>

class QLineEdit;

namespace koratsu::platform {

// `text` as a text box takes it: characters code page 932 cannot hold are
// left out, and so are the double quote, CR and LF; a character the code
// page holds only as another one (the wave dash 〜 as ～) is taken as that one.
QString TakeTypedText(const QString& text);

// Limits a text box to `maxLength` characters and to the characters above,
// for typing and pasting alike: a paste first loses what the box cannot
// take, then what does not fit.
void LimitTextBox(QLineEdit* box, int maxLength);

}  // namespace koratsu::platform
