#include "save/result.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "save/busy_game.h"
#include "save/reader.h"
#include "state/game_state.h"
#include "support/save_bytes.h"

namespace koratsu {
namespace {

TEST(QuotedTest, TextsAreQuotedWithWhatATerminalWouldObeyEscaped) {
  struct Case {
    const char* what;
    std::string text;
    const char* quoted;
  };
  const Case cases[] = {
      {"plain text", "Koratsu 1.20", "\"Koratsu 1.20\""},
      {"Japanese stays readable", "漫画太郎ﾎﾟｲﾝﾄ", "\"漫画太郎ﾎﾟｲﾝﾄ\""},
      {"a terminal's title sequence", "\x1b]0;owned\x07", "\"\\x1b]0;owned\\x07\""},
      {"line breaks and tabs", "a\r\nb\tc", "\"a\\r\\nb\\tc\""},
      {"the quote and the backslash", "say \"\\\"", "\"say \\\"\\\\\\\"\""},
      {"delete and a C1 control", "\x7f\xc2\x9b", "\"\\x7f\\xc2\\x9b\""},
      {"code page 932 bytes, not UTF-8", "\x96\x9f\x89\xe6", "\"\\x96\\x9f\\x89\\xe6\""},
      {"a UTF-8 character cut short", "\xe6\xbc", "\"\\xe6\\xbc\""},
      {"an overlong form and a surrogate", "\xc0\xaf\xed\xa0\x80", "\"\\xc0\\xaf\\xed\\xa0\\x80\""},
      {"a NUL byte", std::string("a\0b", 3), "\"a\\x00b\""},
  };
  for (const Case& c : cases) EXPECT_EQ(save::Quoted(c.text), c.quoted) << c.what;
}

TEST(QuotedTest, AReadersErrorCarriesNoControlCharacterOrStrayByteFromTheFile) {
  auto saved = std::make_unique<GameState>();
  testing::FillBusyGame(*saved);
  std::string bytes = testing::SavedBytes(*saved);
  std::size_t money = bytes.find("\r\n123456789012,") + 2;
  ASSERT_NE(money, std::string::npos + 2);
  const std::string crafted[] = {
      "\"\x1b]0;owned\x07\x96\x9f\"",  // a text where the money stands
      "12\x1b[31m\x81",                // a number that is not one
  };
  for (const std::string& item : crafted) {
    std::string file = bytes;
    file.replace(money, file.find(',', money) - money, item);
    auto target = std::make_unique<GameState>();
    save::Result read = save::ReadSaveFileBytes(*target, file);
    ASSERT_FALSE(read);
    EXPECT_NE(read.error.find("\\x1b"), std::string::npos) << read.error;
    // Quoting it again escapes nothing but its quotes and backslashes: it
    // holds only UTF-8 characters a terminal prints.
    std::string plain = "\"";
    for (char c : read.error) {
      if (c == '"' || c == '\\') plain.push_back('\\');
      plain.push_back(c);
    }
    plain.push_back('"');
    EXPECT_EQ(save::Quoted(read.error), plain);
  }
}

}  // namespace
}  // namespace koratsu
