#include "shell/windows/balloon_form.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRect>

#include "platform/colors.h"
#include "platform/pictures.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "platform/window_conventions.h"

namespace koratsu {

namespace {

// The balloon's bottom edge and its rounded corners run through the label's
// last rows: the text keeps above them.
constexpr int kBorderClearance = 45;  // twips
// Smaller than this the text could not be read; a line that does not fit
// even so is shown at this size.
constexpr int kSmallestPixelSize = 6;

}  // namespace

BalloonForm::BalloonForm(const platform::FormTraits& traits, const Layout& layout) : Form(traits) {
  platform::SetFixedClientSize(this, layout.clientWidth, layout.clientHeight);
  platform::SetBackground(this, platform::kGrey);

  Picture1 = new QLabel(this);
  platform::Place(Picture1, 120, 120, 1875, 1095);
  Picture1->setPixmap(platform::FormPicture(layout.form, QStringLiteral("Picture1")));
  Label1[0] = new QLabel(Picture1);
  platform::Place(Label1[0], 120, 120, 1455, 975);
  Label1[0]->setWordWrap(true);
  Label1[0]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1[0]->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
  standardFont_ = Label1[0]->font();

  Image1[0] = new QLabel(this);
  platform::Place(Image1[0], 2160, layout.portraitTop, 975, 975);
  Image1[0]->setScaledContents(true);
  Frames.resize(static_cast<size_t>(layout.frameCount) + 1);
  for (int i = 1; i <= layout.frameCount; ++i)
    Frames[static_cast<size_t>(i)] = platform::FormPicture(layout.form, QStringLiteral("Image1(%1)").arg(i));

  Command1 = new QPushButton(this);
  platform::Place(Command1, 2160, layout.buttonTop, 975, 375);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  Timer1 = new QTimer(this);
  Timer1->setInterval(layout.timerInterval);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void BalloonForm::Form_Unload() { Timer1->stop(); }

void BalloonForm::ShowFrame(int frame) {
  if (frame == shownFrame_) return;
  shownFrame_ = frame;
  Image1[0]->setPixmap(Frames[static_cast<size_t>(frame)]);
}

void BalloonForm::ShowTyped(const Typing& typing) {
  const QString line = platform::Q(typing.text.Str());
  if (line != fittedLine_) {
    fittedLine_ = line;
    Label1[0]->setFont(FittingFont(line));
  }
  Label1[0]->setText(platform::Q(ShownText(typing)));
}

// A line too long for the balloon is shown a pixel smaller at a time until
// it fits; the label lays it out exactly as these metrics do.
QFont BalloonForm::FittingFont(const QString& line) const {
  const QLabel* label = Label1[0];
  const QRect room(0, 0, label->width(), label->height() - platform::Px(kBorderClearance));
  const int flags = static_cast<int>(label->alignment()) | Qt::TextWordWrap;
  auto fits = [&](const QFont& font) {
    const QRect laid = QFontMetrics(font, label).boundingRect(room, flags, line);
    return laid.height() <= room.height() && laid.width() <= room.width();
  };
  if (fits(standardFont_)) return standardFont_;
  QFont font = standardFont_;
  for (int size = QFontInfo(standardFont_).pixelSize() - 1; size >= kSmallestPixelSize; --size) {
    font.setPixelSize(size);
    if (fits(font)) break;
  }
  return font;
}

}  // namespace koratsu
