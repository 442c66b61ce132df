#include "roomview/windows/room_view_window.h"

#include <QImage>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "platform/pictures.h"
#include "platform/twips.h"
#include "roomview/sheet_layout.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kFrameInterval = 30;  // ms

struct Dwelling {
  const char* picture;
  int width, height;  // the window's outer size, twips
};
constexpr Dwelling kDwellings[3] = {
    {"Graphic/Heya1.bmp", 5295, 3900},
    {"Graphic/Heya2.bmp", 6225, 4545},
    {"Graphic/Heya3.bmp", 5295, 3900},
};

PixelBuffer ToBuffer(const QImage& picture) {
  if (picture.isNull()) return {};
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  PixelBuffer buffer(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
    std::copy_n(line, image.width(), buffer.Line(y));
  }
  return buffer;
}

}  // namespace

Form1::Form1() : Form({.kind = platform::FormKind::Child, .centre = false, .trackOpen = true}) {
  setWindowTitle(QStringLiteral("ビジュアルウインドウ"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  Timer1 = new QTimer(this);
  Timer1->setTimerType(Qt::PreciseTimer);
  Timer1->setInterval(kFrameInterval);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

platform::FormMethods Form1::Methods() { return {{"GraphicChange", [this] { GraphicChange(); }}}; }

void Form1::Form_Load() {
  Frame()->move(0, 0);
  GraphicChange();
  GraphicM = ToBuffer(platform::LoadImage(QStringLiteral("Graphic/GraphicM.bmp")));
  GraphicC = ToBuffer(platform::LoadImage(QStringLiteral("Graphic/GraphicC.bmp")));
  Timer1->start();
}

void Form1::Form_Unload() { Timer1->stop(); }

void Form1::GraphicChange() {
  const GameState& g = State();
  int kind = -1;
  for (int k = 0; k < 3; ++k)
    if (g.HouseKind == k) kind = k;
  if (kind < 0) return;  // a dwelling without a picture: nothing changes
  const Dwelling& d = kDwellings[kind];
  BitMap = ToBuffer(platform::LoadImage(QString::fromLatin1(d.picture)));
  if (BitMap.Empty()) BitMap = PixelBuffer(sheet::kRoomWidth[kind], sheet::kRoomHeight[kind]);
  // The frame is composed at the room's size, so a larger room is drawn whole.
  Graphic = BitMap;
  roomChanged_ = true;
  Frame()->resize(platform::Px(d.width), platform::Px(d.height));
  update();
}

void Form1::Timer1_Timer() {
  // With the clock stopped or a dialog open nothing in the room moves: the
  // same frame is neither composed nor painted again.
  now_.Take(width(), height());
  if (!roomChanged_ && now_ == composed_) return;
  ComposeFrame(BitMap, GraphicM, GraphicC, Graphic, width(), height());
  composed_.Take(width(), height());
  roomChanged_ = false;
  update();
}

void Form1::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QImage frame(reinterpret_cast<const uchar*>(Graphic.pixels.data()), Graphic.width, Graphic.height,
                     Graphic.width * static_cast<int>(sizeof(std::uint32_t)), QImage::Format_RGB32);
  painter.drawImage(0, 0, frame);
  // Beyond the room, if the window is larger than its picture.
  painter.fillRect(Graphic.width, 0, std::max(0, width() - Graphic.width), height(), Qt::black);
  painter.fillRect(0, Graphic.height, Graphic.width, std::max(0, height() - Graphic.height), Qt::black);
}

namespace {
const bool registered = platform::RegisterForm<Form1>(form::kRoomView);
}  // namespace

}  // namespace koratsu
