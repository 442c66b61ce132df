#include "shell/windows/toolbar.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/qt_strings.h"
#include "state/game_state.h"

namespace koratsu {

namespace {

using shell::Command;

const ToolButton kButtons[kToolButtonCount] = {
    {0, 120, 1, 1, "ゲームの保存", "ゲームの保存を行います。", Command::SaveGame},
    {33, 480, 2, 1, "ゲームの読込", "ゲームの読み込みを行います", Command::LoadGame},
    {18, 960, 3, 1, "時間を進める", "時間を進めます。仕事をしたり眠ったりします。", Command::Sigotosuru},
    {15, 1320, 4, 1, "外へ出かける", "外へ出かけていろいろ知識をつけられます。", Command::Sanpo},
    {21, 1680, 1, 2, "ｱﾙﾊﾞｲﾄをする", "ｱﾙﾊﾞｲﾄをしお金や知識を得ることができます。", Command::Arubaito},
    {24, 2040, 2, 2, "修行をする", "修行にでます。", Command::Syugyou},
    {3, 2520, 3, 2, "漫画を制作", "新しい漫画を制作します。", Command::NewManga},
    {6, 2880, 4, 2, "ｽｹｼﾞｭｰﾙ管理", "制作している漫画のｽｹｼﾞｭｰﾙの管理を行います。", Command::Sukezyuru},
    {27, 3240, 1, 3, "漫画を送る", "新しく描いた漫画を出版社へ送ります", Command::MangaOkuru},
    {30, 3600, 2, 3, "漫画を持込む", "新しく描いた漫画を出版社へ持ち込みします", Command::Motikomu},
    {42, 3960, 3, 3, "機材を購入", "仕事に使う機材を購入します。", Command::DouguKounyu},
    {51, 4320, 4, 3, "ｱｼｽﾀﾝﾄ雇用", "ｱｼｽﾀﾝﾄを雇用します。", Command::GetAsi},
    {54, 4680, 1, 4, "ｱｼｽﾀﾝﾄ解雇", "ｱｼｽﾀﾝﾄを解雇します。", Command::AsiKaiko},
    {57, 5040, 2, 4, "引っ越す", "引越しを行います。", Command::Hikkosi},
    {12, 5520, 3, 4, "今まで制作した漫画", "今まで書いた漫画を表示します。", Command::ImamadeManga},
    {9, 5880, 4, 4, "漫画の完成度", "制作している漫画の完成度です。", Command::Kanseido},
    {39, 6240, 1, 5, "知識のﾎﾟｲﾝﾄ", "習得している知識のポイントを表示します。", Command::TiPoint},
    {45, 6600, 2, 5, "ｺﾐｯｸｽのﾗﾝｷﾝｸﾞ", "ｺﾐｯｸｽの売り上げﾗﾝｷﾝｸﾞです。", Command::ComicRank},
    {48, 6960, 3, 5, "資産のﾗﾝｷﾝｸﾞ", "資産のﾗﾝｷﾝｸﾞです。", Command::KozinRanc},
    {60, 7320, 4, 5, "ﾄﾛﾌｨｰの情報", "受賞したﾄﾛﾌｨｰの情報です。", Command::Torofi},
    {36, 7800, 0, 0, "ヘルプの表示", "ヘルプを表示します", Command::HelpGame},
};

int ButtonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}

}  // namespace

ToolImage::ToolImage(int index, QWidget* parent) : QWidget(parent), index_(index) {
  setMouseTracking(true);  // hover without a button held
}

void ToolImage::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void ToolImage::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

void ToolImage::mousePressEvent(QMouseEvent* event) {
  if (MouseDown) MouseDown(index_, ButtonCode(event->button()));
}

void ToolImage::mouseReleaseEvent(QMouseEvent* event) {
  int button = ButtonCode(event->button());
  bool over = rect().contains(event->position().toPoint());
  if (MouseUp) MouseUp(index_, button);
  if (button == 1 && over && Click) Click(index_);
}

void ToolImage::mouseMoveEvent(QMouseEvent*) {
  if (MouseMove) MouseMove(index_);
}

std::span<const ToolButton> ToolButtons() { return kButtons; }

const ToolButton* FindToolButton(int index) {
  for (const ToolButton& button : kButtons)
    if (button.index == index) return &button;
  return nullptr;
}

void ToolButtonHover(ToolImage& image) {
  const ToolButton* button = FindToolButton(image.Index());
  if (!button) return;
  GameState& g = State();
  g.StatusBarTick = 0;
  g.StatusBarText = button->status;
  image.setToolTip(platform::Q(button->tooltip));
}

}  // namespace koratsu
