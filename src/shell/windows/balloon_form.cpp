#include "shell/windows/balloon_form.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRect>
#include <QTextBoundaryFinder>

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
// The size the longest talks need to fit; nothing is drawn smaller, and a
// line that does not fit even so is shown at this size.
constexpr int kSmallestPixelSize = 10;

// A run of dots is a pause the speaker may carry on to the next line; the
// line breaking rules alone would keep the whole run, and the word before
// it, on one.
bool IsDot(QChar c) { return c == u'・' || c == u'･' || c == u'…' || c == u'‥'; }

// Where `text` may break: the line breaking rules' opportunities, and
// between two dots.
std::vector<bool> BreakOpportunities(const QString& text) {
  std::vector<bool> may(static_cast<size_t>(text.size()) + 1, false);
  QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
  for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
    may[static_cast<size_t>(at)] = true;
  for (qsizetype at = 1; at < text.size(); ++at)
    if (IsDot(text[at - 1]) && IsDot(text[at])) may[static_cast<size_t>(at)] = true;
  return may;
}

// The width of text[from, to) as a line; blanks at its end show nothing.
int LineWidth(const QFontMetrics& metrics, const QString& text, qsizetype from, qsizetype to) {
  while (to > from && text[to - 1].isSpace()) --to;
  return metrics.horizontalAdvance(text.mid(from, to - from));
}

// Where the lines of `text` begin, laid out `width` pixels wide: each line
// ends at the last opportunity within the width, or where it must, inside a
// piece longer than a line. The first line's start (0) is not listed. No
// talk holds a line break of its own.
std::vector<qsizetype> LineStarts(const QString& text, const QFontMetrics& metrics, int width) {
  const std::vector<bool> may = BreakOpportunities(text);
  // A line ends only where a character ends.
  std::vector<qsizetype> ends;
  QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
  for (qsizetype at = characters.toNextBoundary(); at > 0; at = characters.toNextBoundary()) ends.push_back(at);
  const auto count = static_cast<qsizetype>(ends.size());
  auto end = [&ends](qsizetype i) { return ends[static_cast<size_t>(i)]; };

  std::vector<qsizetype> starts;
  qsizetype first = 0;  // the line's first character
  while (first < count) {
    const qsizetype start = first == 0 ? 0 : end(first - 1);
    // As many characters as fit, one at least.
    qsizetype last = first;
    while (last + 1 < count && LineWidth(metrics, text, start, end(last + 1)) <= width) ++last;
    if (last + 1 == count) break;
    // Back to the last opportunity; without one the line breaks where it
    // must, inside a piece longer than a line.
    qsizetype at = last;
    while (at >= first && !may[static_cast<size_t>(end(at))]) --at;
    if (at >= first) last = at;
    starts.push_back(end(last));
    first = last + 1;
  }
  return starts;
}

// `text`, or the part of it typed so far, broken into those lines.
QString Lines(const QString& text, const std::vector<qsizetype>& starts) {
  QString lines = text;
  for (auto start = starts.rbegin(); start != starts.rend(); ++start)
    if (*start < text.size()) lines.insert(*start, u'\n');
  return lines;
}

}  // namespace

BalloonForm::BalloonForm(const platform::FormTraits& traits, const Layout& layout) : Form(traits) {
  platform::SetFixedClientSize(this, layout.clientWidth, layout.clientHeight);
  platform::SetBackground(this, platform::kGrey);

  Picture1 = new QLabel(this);
  platform::Place(Picture1, 120, 120, 1875, 1095);
  Picture1->setPixmap(platform::FormPicture(layout.form, QStringLiteral("Picture1")));
  Label1[0] = new QLabel(Picture1);
  platform::Place(Label1[0], 120, 120, 1455, 975);
  // Broken into lines by ShowTyped, and never read as markup.
  Label1[0]->setTextFormat(Qt::PlainText);
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
    Fit(line);
  }
  Label1[0]->setText(Lines(platform::Q(ShownText(typing)), lineStarts_));
}

// A line too long for the balloon at its own size is shown a pixel smaller
// at a time until it fits. Its lines are broken once, for the whole line,
// so that the text keeps its place while it types; the label lays them out
// exactly as these metrics do.
void BalloonForm::Fit(const QString& line) {
  QLabel* label = Label1[0];
  const QRect room(0, 0, label->width(), label->height() - platform::Px(kBorderClearance));
  const int flags = static_cast<int>(label->alignment());
  QFont font = standardFont_;
  const int standardSize = QFontInfo(standardFont_).pixelSize();
  for (int size = standardSize;; --size) {
    if (size < standardSize) font.setPixelSize(size);
    const QFontMetrics metrics(font, label);
    lineStarts_ = LineStarts(line, metrics, room.width());
    const QRect laid = metrics.boundingRect(room, flags, Lines(line, lineStarts_));
    if (laid.height() <= room.height() && laid.width() <= room.width()) break;
    if (size <= kSmallestPixelSize) break;
  }
  label->setFont(font);
}

}  // namespace koratsu
