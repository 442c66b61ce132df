#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/colors.h"
#include "platform/pictures.h"
#include "platform/sound_player.h"
#include "platform/text_box.h"
#include "platform/twips.h"
#include "platform/window_conventions.h"
#include "qtsupport/window_testing.h"
#include "support/fresh_state.h"

namespace koratsu {
namespace {

TEST(TwipsTest, FifteenTwipsMakeAPixel) {
  const int cases[][2] = {{8640, 576}, {6900, 460}, {405, 27}, {300, 20}, {15, 1}, {7, 0}, {8, 1}, {0, 0}};
  for (const auto& c : cases) EXPECT_EQ(platform::Px(c[0]), c[1]) << c[0];
}

TEST(ColorsTest, DesignColoursAreBlueGreenRed) {
  EXPECT_EQ(platform::VbColor(0xFF8000), QColor(0, 128, 255));
  EXPECT_EQ(platform::VbColor(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(platform::BackgroundForColorCount(256), platform::kGrey);
  EXPECT_EQ(platform::BackgroundForColorCount(65536), platform::kLightGrey);
  EXPECT_EQ(platform::BackgroundForColorCount(16777216), platform::kLightGrey);
  EXPECT_GE(platform::ScreenColorCount(nullptr), 2.0f);
}

class PictureTest : public ::testing::Test {
 protected:
  PictureTest() { platform::SetProgramFolder(folder.path()); }
  ~PictureTest() override { platform::SetProgramFolder(QStringLiteral(KORATSU_BUILD_DIR)); }
  QTemporaryDir folder;
};

TEST_F(PictureTest, AMissingPictureIsEmptyAndReportedOnce) {
  testing::LogCapture log;
  EXPECT_TRUE(platform::LoadPicture(QStringLiteral("Graphic/Heya9.bmp")).isNull());
  EXPECT_TRUE(platform::LoadPicture(QStringLiteral("Graphic/Heya9.bmp")).isNull());
  EXPECT_EQ(log.Count("Heya9.bmp"), 1);
}

TEST_F(PictureTest, ATruncatedBmpIsEmptyAndAWholeOneLoads) {
  QDir(folder.path()).mkpath(QStringLiteral("Graphic"));
  QImage image(40, 30, QImage::Format_RGB888);
  image.fill(Qt::red);
  QString whole = folder.filePath(QStringLiteral("Graphic/Whole.bmp"));
  ASSERT_TRUE(image.save(whole, "BMP"));
  QFile source(whole);
  ASSERT_TRUE(source.open(QIODevice::ReadOnly));
  QByteArray bytes = source.readAll();
  QFile cut(folder.filePath(QStringLiteral("Graphic/Cut.bmp")));
  ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
  cut.write(bytes.left(bytes.size() - 200));
  cut.close();

  testing::LogCapture log;
  EXPECT_EQ(platform::LoadPicture(QStringLiteral("Graphic/Whole.bmp")).size(), QSize(40, 30));
  EXPECT_TRUE(platform::LoadPicture(QStringLiteral("Graphic/Cut.bmp")).isNull());
  EXPECT_EQ(log.Count("damaged"), 1);
}

TEST(TextBoxTest, TakesOnlyWhatTheSaveFileCanWriteAndReadBack) {
  struct Case {
    const char* typed;
    const char* taken;
  };
  const Case cases[] = {
      {"漫画太郎", "漫画太郎"},
      {"ｱｼｽﾀﾝﾄ ﾎﾟｲﾝﾄ", "ｱｼｽﾀﾝﾄ ﾎﾟｲﾝﾄ"},  // half-width stays half-width
      {"a\"b", "ab"},
      {"one\r\ntwo", "onetwo"},
      {"é€😀x", "x"},              // outside the code page
      {"から〜まで", "から～まで"},  // the wave dash as the code page holds it
      {"¥100", "100"},               // would come back as a backslash
      {"①髙", "①髙"},              // the code page's own extensions
      {",;'~\\", ",;'~\\"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(platform::TakeTypedText(QString::fromUtf8(c.typed)).toStdString(), c.taken) << c.typed;
}

TEST(TextBoxTest, LimitsLengthAndCharactersForTypingAndPasting) {
  QLineEdit box;
  platform::LimitTextBox(&box, 9);
  for (QChar ch : QStringLiteral("あいうえおかきくけこ")) {
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QCoreApplication::sendEvent(&box, &key);
  }
  EXPECT_EQ(box.text(), QStringLiteral("あいうえおかきくけ"));

  box.clear();
  QKeyEvent quote(QEvent::KeyPress, Qt::Key_QuoteDbl, Qt::ShiftModifier, QStringLiteral("\""));
  QCoreApplication::sendEvent(&box, &quote);
  EXPECT_EQ(box.text(), QString());

  box.insert(QStringLiteral("名\"前〜"));  // a paste
  EXPECT_EQ(box.text(), QStringLiteral("名前～"));
  EXPECT_EQ(box.cursorPosition(), 3);

  // A paste loses what the box cannot take before it is cut to length.
  box.clear();
  box.insert(QStringLiteral("é€\"漫画家になる男だ！まで"));
  EXPECT_EQ(box.text(), QStringLiteral("漫画家になる男だ！"));
  EXPECT_EQ(box.cursorPosition(), 9);

  // What does not fit is cut from the paste, not from the text around it.
  box.setText(QStringLiteral("名前"));
  box.setCursorPosition(1);
  box.insert(QStringLiteral("ABCDEFGHIJ"));
  EXPECT_EQ(box.text(), QStringLiteral("名ABCDEFG前"));
  EXPECT_EQ(box.cursorPosition(), 8);
  QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("X"));
  QCoreApplication::sendEvent(&box, &key);
  EXPECT_EQ(box.text(), QStringLiteral("名ABCDEFG前"));
}

TEST(WindowConventionsTest, AFixedWidthWindowChangesOnlyItsHeight) {
  QWidget frame;
  frame.resize(300, 200);
  platform::FixWidth(&frame, 289);
  EXPECT_EQ(frame.width(), 289);
  frame.resize(500, 400);
  EXPECT_EQ(frame.size(), QSize(289, 400));
  frame.resize(100, 20);
  EXPECT_EQ(frame.size(), QSize(289, 86));
}

TEST(WindowConventionsTest, HeadingBarsTakeTheirFill) {
  QWidget window;
  std::array<platform::Shape*, 2> Shape1 = {new platform::Shape(&window), new platform::Shape(&window)};
  platform::FillHeadingBars(Shape1);
  for (auto* shape : Shape1) EXPECT_EQ(shape->FillColor(), platform::kHeadingBarFill);
}

TEST(WindowConventionsTest, ABackgroundFillsWithItsDesignColour) {
  QWidget window;
  platform::SetBackground(&window, 0x80C0E0);
  EXPECT_TRUE(window.autoFillBackground());
  EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0xE0, 0xC0, 0x80));
}

// What Qt warned of while a test watched.
std::vector<QString> qtWarnings;

TEST(SoundPlayerTest, PlaysWithoutWaitingOrFailingWhereThereIsNoSound) {
  testing::FreshState state;
  testing::LogCapture log;
  platform::SoundPlayer::AudioAvailable();  // the audio system's own start-up is not the player's
  qtWarnings.clear();
  QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg) qtWarnings.push_back(text);
  });
  platform::SoundPlayer player;
  QElapsedTimer clock;
  clock.start();
  for (int kind : {0, 1, 1, 2, -1}) player.Play(kind);
  state.g().Koukaon = 2;
  player.Play(0);
  const qint64 took = clock.elapsed();
  qInstallMessageHandler(previous);

  EXPECT_LT(took, 300) << "the plays returned only after " << took << " ms, the length of a whole sound";
  EXPECT_TRUE(qtWarnings.empty()) << qtWarnings.front().toStdString();
  EXPECT_TRUE(log.Lines().empty()) << log.Lines().front();
}

}  // namespace
}  // namespace koratsu
