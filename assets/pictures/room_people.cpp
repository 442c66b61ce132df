#include "pictures/room_people.h"

#include <QPainter>

#include "roomview/sheet_layout.h"

namespace koratsu::assets::roomart {

namespace {

namespace sheet = koratsu::sheet;

constexpr Color kGlass = Rgb(90, 96, 120);

const PersonLook kLooks[sheet::kPersonCount] = {
    // The player: black spiky hair under a white headband, sky-blue shirt, jeans.
    {Rgb(250, 214, 178), Rgb(48, 44, 58), Rgb(96, 168, 226), Rgb(58, 78, 128), Rgb(236, 236, 230),
     PersonLook::Spiky, true, false, false, false},
    // The assistants' pictures 1 to 4 are shared by the people of the world's
    // assistant table; each look suits most of those who share it.
    // Orange messy hair, green hoodie, brown trousers.
    {Rgb(240, 200, 160), Rgb(226, 132, 52), Rgb(84, 170, 96), Rgb(110, 84, 62), Rgb(60, 60, 66),
     PersonLook::Messy, false, false, false, false},
    // Long chestnut hair, glasses, rose cardigan, navy skirt.
    {Rgb(252, 220, 190), Rgb(138, 78, 46), Rgb(226, 120, 150), Rgb(52, 60, 102), Rgb(120, 60, 50),
     PersonLook::Long, false, true, true, false},
    // The veteran: grey hair, beard and glasses, brown waistcoat over cream, beige trousers.
    {Rgb(236, 196, 160), Rgb(168, 168, 176), Rgb(150, 98, 62), Rgb(196, 176, 132), Rgb(80, 54, 40),
     PersonLook::Neat, false, true, false, true},
    // Black bob, lilac sweater, grey trousers.
    {Rgb(255, 226, 200), Rgb(36, 34, 52), Rgb(168, 126, 214), Rgb(112, 112, 122), Rgb(180, 70, 70),
     PersonLook::Bob, false, false, false, false},
};

Color Dark(Color c) { return Shade(c, 0.72); }
Color Light(Color c) { return Shade(c, 1.22); }

// Frames are drawn turned to the right (front or back) and mirrored for the left.
enum class View { Front, Back };
enum class Legs { Together, LeftForward, RightForward, Seated };
enum class Arms { Down, SwingLeft, SwingRight, Drawing1, Drawing2, Stretch };

struct Pose {
  View view;
  Legs legs;
  Arms arms;
  int headY;          // top row of the head
  bool eyesClosed = false;
  bool lookDown = false;
};

class Painter {
 public:
  Painter(Canvas& c, const PersonLook& look) : c_(c), look_(look) {}

  void Person(const Pose& p) {
    const int top = p.headY;          // head rows top .. top + 9
    const int body = top + 10;        // torso rows body .. body + 7
    if (p.legs == Legs::Seated) SeatedLegs(p.view, body + 7);
    else StandingLegs(p.legs, body + 8);
    Torso(p, body);
    ArmsOf(p, body);
    Head(p, top);
  }

 private:
  void Px(int x, int y, Color col) { c_.Plot(x, y, col); }
  void Row(int x0, int x1, int y, Color col) {
    for (int x = x0; x <= x1; ++x) Px(x, y, col);
  }

  void StandingLegs(Legs legs, int hip) {
    // hip: first row of the legs; shoes at rows 29..30.
    const Color pants = look_.bottom, pantsDark = Dark(look_.bottom);
    const Color skin = look_.skin;
    int leftShift = 0, rightShift = 0, leftLift = 0, rightLift = 0;
    if (legs == Legs::LeftForward) leftShift = -1, rightShift = 1, rightLift = 1;
    if (legs == Legs::RightForward) leftShift = -1, rightShift = 1, leftLift = 1;
    auto leg = [&](int x0, int lift, bool far) {
      for (int y = hip; y <= 28 - lift; ++y) {
        const bool lower = y > hip + 3;
        Color col = far ? pantsDark : pants;
        if (look_.skirt && lower) col = far ? Dark(skin) : skin;
        Row(x0, x0 + 2, y, col);
        Px(x0 + 2, y, far ? Dark(pantsDark) : pantsDark);
        if (look_.skirt && lower) Px(x0 + 2, y, Dark(skin));
      }
      Row(x0, x0 + 3, 29 - lift, look_.shoes);
      Row(x0, x0 + 3, 30 - lift, Dark(look_.shoes));
    };
    leg(5 + leftShift, leftLift, legs == Legs::RightForward);
    leg(8 + rightShift, rightLift, legs == Legs::LeftForward);
    if (look_.skirt) {
      for (int y = hip; y < hip + 4; ++y) Row(4 - (y - hip) / 2, 11 + (y - hip) / 2, y, y == hip + 3 ? Dark(pants) : pants);
    }
  }

  void SeatedLegs(View view, int hip) {
    const Color pants = look_.bottom;
    if (view == View::Back) {
      // Seen from behind only the seat of the trousers shows; the legs are under the desk.
      for (int y = hip; y <= hip + 2; ++y) Row(4, 11, y, y == hip + 2 ? Dark(pants) : pants);
      return;
    }
    // Thighs toward the viewer, shins down; mostly behind the desk.
    for (int y = hip; y <= hip + 2; ++y) Row(5, 12, y, y == hip + 2 ? Dark(pants) : pants);
    for (int y = hip + 3; y <= 29; ++y) Row(10, 12, y, look_.skirt ? look_.skin : Dark(pants));
    Row(10, 13, 30, look_.shoes);
  }

  void Torso(const Pose& p, int body) {
    const Color shirt = look_.top, shade = Dark(look_.top), light = Light(look_.top);
    for (int y = body; y <= body + 7; ++y) {
      Row(4, 11, y, shirt);
      Px(11, y, shade);
      Px(10, y, y > body + 5 ? shade : shirt);
      Px(4, y, light);
    }
    Row(4, 11, body + 7, shade);  // the hem
    if (p.view == View::Front) {
      // Collar, and the veteran's waistcoat over a light shirt.
      if (look_.beard) {
        for (int y = body; y <= body + 6; ++y) Row(7, 8, y, Rgb(240, 230, 206));
      }
      Px(7, body, look_.skin);
      Px(8, body, look_.skin);
      Px(6, body, Light(shirt));
      Px(9, body, Light(shirt));
      if (look_.hairStyle == PersonLook::Messy) Row(6, 9, body + 4, shade);  // the hoodie's pocket
    } else {
      Row(6, 9, body, shade);  // the collar seen from behind
    }
  }

  void ArmsOf(const Pose& p, int body) {
    const Color sleeve = look_.top, sleeveDark = Dark(look_.top), skin = look_.skin;
    auto arm = [&](int x, int from, int to, bool far) {
      for (int y = from; y < to; ++y) Px(x, y, far ? sleeveDark : sleeve);
      Px(x, to, skin);
    };
    switch (p.arms) {
      case Arms::Down:
        arm(3, body + 1, body + 6, false);
        arm(12, body + 1, body + 6, true);
        break;
      case Arms::SwingLeft:
        arm(3, body + 1, body + 7, false);
        arm(12, body + 1, body + 5, true);
        break;
      case Arms::SwingRight:
        arm(3, body + 1, body + 5, false);
        arm(12, body + 1, body + 7, true);
        break;
      case Arms::Drawing1:
      case Arms::Drawing2: {
        // The near arm rests on the desk, the drawing hand moves across the paper.
        arm(3, body + 1, body + 5, false);
        const int reach = p.arms == Arms::Drawing1 ? 0 : 1;
        if (p.view == View::Back) {
          // From behind: the drawing elbow works up and down at his side.
          for (int y = body + 1; y <= body + 3 + reach; ++y) Px(12, y, sleeveDark);
          Px(13, body + 2 + reach, sleeve);
          Px(13, body + 3 + reach, sleeveDark);
          break;
        }
        Px(12, body + 1, sleeveDark);
        Px(12, body + 2, sleeveDark);
        Px(13, body + 3 + reach, sleeveDark);
        Px(13, body + 4 + reach, skin);
        Px(14 - reach, body + 5 + reach, skin);
        Px(14 - reach, body + 4 + reach, Rgb(40, 40, 48));  // the pen
        break;
      }
      case Arms::Stretch: {
        const int top = p.headY - 4;
        for (int y = top + 2; y <= body + 1; ++y) {
          Px(2, y, sleeve);
          Px(13, y, sleeveDark);
        }
        Px(2, top + 1, skin), Px(3, top + 1, skin), Px(2, top, skin);
        Px(13, top + 1, skin), Px(12, top + 1, skin), Px(13, top, skin);
        break;
      }
    }
  }

  void Head(const Pose& p, int top) {
    const Color skin = look_.skin, skinShade = Dark(skin);
    const Color hair = look_.hair, hairDark = Dark(hair), hairLight = Light(hair);
    // The skull: a rounded 10 x 10.
    static constexpr int kSpan[10][2] = {{2, 7}, {1, 8}, {0, 9}, {0, 9}, {0, 9}, {0, 9}, {0, 9}, {0, 9}, {1, 8}, {2, 7}};
    const int x0 = 3;
    for (int r = 0; r < 10; ++r) Row(x0 + kSpan[r][0], x0 + kSpan[r][1], top + r, skin);
    for (int r = 6; r < 10; ++r) Px(x0 + kSpan[r][0], top + r, skinShade);  // jaw shadow on the far side

    auto hairAt = [&](int cx, int r) { Px(x0 + cx, top + r, hair); };
    if (p.view == View::Back) {
      for (int r = 0; r < 9; ++r)
        for (int cx = kSpan[r][0]; cx <= kSpan[r][1]; ++cx) hairAt(cx, r);
      Px(x0 + 9, top + 5, skin);  // the ear on the side he turns to
      Px(x0 + 9, top + 6, skinShade);
      Row(x0 + 3, x0 + 6, top + 9, skinShade);  // the nape
    } else {
      for (int r = 0; r < 4; ++r)
        for (int cx = kSpan[r][0]; cx <= kSpan[r][1]; ++cx) hairAt(cx, r);
      // The back of the head on the left, a fringe over the forehead.
      for (int r = 4; r < 7; ++r) Row(x0 + kSpan[r][0], x0 + 2, top + r, hair);
      hairAt(3, 4), hairAt(4, 4), hairAt(6, 4);
      Px(x0 + 2, top + 5, skin);  // the ear
      // Eyes look to the right.
      const int eyeRow = top + 5 + (p.lookDown ? 1 : 0);
      if (p.eyesClosed) {
        Px(x0 + 4, eyeRow + 1, kPersonEye), Px(x0 + 5, eyeRow + 1, kPersonEye);
        Px(x0 + 7, eyeRow + 1, kPersonEye), Px(x0 + 8, eyeRow + 1, kPersonEye);
        Px(x0 + 6, top + 8, Rgb(170, 80, 80));  // a yawn
      } else {
        Px(x0 + 5, eyeRow, kPersonEye), Px(x0 + 5, eyeRow + 1, kPersonEye);
        Px(x0 + 8, eyeRow, kPersonEye), Px(x0 + 8, eyeRow + 1, kPersonEye);
      }
      Px(x0 + 8, top + 7 + (p.lookDown ? 1 : 0), kPersonBlush);
      if (look_.glasses) {
        Row(x0 + 4, x0 + 9, eyeRow - 1, kGlass);
        Px(x0 + 4, eyeRow, kGlass);
        Px(x0 + 9, eyeRow, kGlass);
      }
      if (look_.beard) {
        Row(x0 + 3, x0 + 8, top + 8, Rgb(200, 200, 206));
        Row(x0 + 4, x0 + 7, top + 9, Rgb(200, 200, 206));
      }
    }
    // Styles.
    switch (look_.hairStyle) {
      case PersonLook::Spiky:
        Px(x0 + 1, top - 1, hair), Px(x0 + 4, top - 1, hair), Px(x0 + 7, top - 1, hair);
        Px(x0 + 4, top - 2, hair);
        Px(x0 - 1, top + 3, hair);
        break;
      case PersonLook::Long:
        for (int r = 4; r < 14; ++r) {
          Px(x0 - 1, top + r, hairDark);
          Px(x0, top + r, hair);
          if (p.view == View::Back) Row(x0, x0 + 8, top + r, r > 11 ? hairDark : hair);
        }
        Px(x0 + 1, top + 7, hair), Px(x0 + 1, top + 8, hair);
        break;
      case PersonLook::Messy:
        Px(x0 + 2, top - 1, hair), Px(x0 + 6, top - 1, hair), Px(x0 + 9, top + 1, hair), Px(x0 - 1, top + 2, hair);
        if (p.view == View::Front) hairAt(7, 4), hairAt(8, 4);
        break;
      case PersonLook::Bob:
        for (int r = 4; r < 9; ++r) {
          Px(x0 - 1, top + r, hairDark);
          Px(x0, top + r, hair);
          Px(x0 + 1, top + r, hair);
          if (p.view == View::Back) Row(x0, x0 + 9, top + r, hair);
        }
        Row(x0, x0 + 1, top + 9, hairDark);
        if (p.view == View::Front) Px(x0 + 9, top + 4, hair), Px(x0 + 9, top + 5, hair);
        break;
      case PersonLook::Neat:
        break;
    }
    // Light on the hair, from the upper left.
    Px(x0 + 3, top + 1, hairLight), Px(x0 + 4, top + 1, hairLight), Px(x0 + 2, top + 2, hairLight);
    Px(x0 + 8, top + 2, hairDark), Px(x0 + 9, top + 3, hairDark);
    if (look_.headband) {
      Row(x0, x0 + 9, top + 3, kHeadband);
      if (p.view == View::Back) Px(x0 + 1, top + 4, kHeadband), Px(x0 + 1, top + 5, kHeadband);  // the knot's tails
    }
  }

  Canvas& c_;
  const PersonLook& look_;
};

QImage Frame(const PersonLook& look, const Pose& pose, bool mirrored) {
  Canvas c(sheet::kFrameWidth, sheet::kFrameHeight);
  Painter(c, look).Person(pose);
  if (mirrored) c.Mirror();
  c.Outline(kPersonOutline);
  return c.Image();
}

}  // namespace

const PersonLook& Look(int picture) { return kLooks[std::clamp(picture, 0, sheet::kPersonCount - 1)]; }

QImage PersonBlock(int picture) {
  const PersonLook& look = Look(picture);
  QImage block(sheet::kPersonStride, sheet::kPersonBlockHeight, QImage::Format_ARGB32);
  block.fill(0);
  QPainter painter(&block);
  auto put = [&](int x, int y, const QImage& frame) { painter.drawImage(x, y, frame); };

  // Walking: directions 1 and 2 show the back, 3 and 4 the front; 1 and 4 turn left.
  const Legs steps[3] = {Legs::Together, Legs::LeftForward, Legs::RightForward};
  const Arms swings[3] = {Arms::Down, Arms::SwingRight, Arms::SwingLeft};
  for (int dir = 1; dir <= 4; ++dir) {
    const View view = dir <= 2 ? View::Back : View::Front;
    const bool left = dir == 1 || dir == 4;
    for (int f = 0; f < 3; ++f) {
      const Pose pose{view, steps[f], swings[f], f == 0 ? 3 : 4};
      put(sheet::kWalkColumn[f], sheet::kWalkRow[dir], Frame(look, pose, left));
    }
  }

  // Seated. The player's back faces up to the right (the apartment's desk),
  // his front down to the left (the house's desk); the assistants the other way.
  const bool player = picture == 0;
  const struct {
    int column;
    View view;
    bool mirrored;
  } columns[2] = {{sheet::kPoseColumnBack, View::Back, !player}, {sheet::kPoseColumnFront, View::Front, player}};
  for (const auto& col : columns) {
    const int seatedHead = 8;
    put(col.column, sheet::kPoseWorkRow[0], Frame(look, {col.view, Legs::Seated, Arms::Drawing1, seatedHead, false, true}, col.mirrored));
    put(col.column, sheet::kPoseWorkRow[1], Frame(look, {col.view, Legs::Seated, Arms::Drawing2, seatedHead + 1, false, true}, col.mirrored));
    put(col.column, sheet::kPoseIdleRow[0], Frame(look, {col.view, Legs::Seated, Arms::Down, seatedHead}, col.mirrored));
    put(col.column, sheet::kPoseIdleRow[1], Frame(look, {col.view, Legs::Seated, Arms::Stretch, seatedHead, true}, col.mirrored));
  }
  return block;
}

}  // namespace koratsu::assets::roomart
