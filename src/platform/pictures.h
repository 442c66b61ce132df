#pragma once
// Pictures read from beside the program, when a window needs them.
//
// Paths are written as the windows write them, relative to the program's
// folder: "Graphic/Title.bmp". A missing or damaged file gives an empty
// picture (and one log line per file): nothing crashes on a picture.

#include <QImage>
#include <QPixmap>
#include <QString>

namespace koratsu::platform {

// The folder of the program, where Graphic/ and Sound/ lie.
QString ProgramFolder();
// Another folder for the program's files (tests read the generated assets).
void SetProgramFolder(const QString& folder);
// The absolute path of a file beside the program.
QString ProgramFile(const QString& relativePath);

QImage LoadImage(const QString& relativePath);
QPixmap LoadPicture(const QString& relativePath);

// A picture stored with control `control` of window `form` (a constant of
// ui/forms.h), at form::PicturePath: PNG, so that icons keep their
// transparent edges.
QPixmap FormPicture(int form, const QString& control);

}  // namespace koratsu::platform
