// The window index against the windows the program registers: every
// registered window is in the index under its own number, loads as the class
// of that number, and no number serves two windows.

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "platform/form.h"
#include "qtsupport/running_game.h"
#include "ui/forms.h"
#include "ui/talk.h"

namespace koratsu {
namespace {

// "Form43" for koratsu::Form43: the class name without its namespaces.
std::string ClassName(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                  std::free);
  std::string name = status == 0 ? demangled.get() : type.name();
  std::size_t last = name.rfind("::");
  return last == std::string::npos ? name : name.substr(last + 2);
}

bool InIndex(int number) {
  return std::find(std::begin(form::kAll), std::end(form::kAll), number) != std::end(form::kAll);
}

// The numbered lines of the index: number → the file its comment names, or "not built yet".
std::map<int, std::string> IndexLines() {
  std::ifstream index(KORATSU_SOURCE_DIR "/ui/forms.h");
  const std::regex line(R"(^constexpr int k\w+ = (\d+); +// (.+)$)");
  std::map<int, std::string> lines;
  std::string text;
  std::smatch match;
  while (std::getline(index, text))
    if (std::regex_match(text, match, line)) {
      int number = std::stoi(match[1]);
      EXPECT_TRUE(lines.emplace(number, match[2]).second) << "two constants for window " << number;
    }
  return lines;
}

TEST(FormIndexTest, EveryWindowHasOneConstantListedInNumberOrder) {
  EXPECT_TRUE(std::adjacent_find(std::begin(form::kAll), std::end(form::kAll), std::greater_equal<>()) ==
              std::end(form::kAll))
      << "the list runs in number order, each number once";
  EXPECT_EQ(form::kAll[0], form::kFirst);
  EXPECT_EQ(std::end(form::kAll)[-1], form::kLast);

  std::map<int, std::string> lines = IndexLines();
  for (int number : form::kAll) EXPECT_TRUE(lines.count(number)) << form::Name(number) << " has no line of its own";
  for (const auto& [number, file] : lines) {
    EXPECT_TRUE(InIndex(number)) << form::Name(number) << " is missing from the list of every window";
    if (file != "not built yet") {
      EXPECT_TRUE(std::filesystem::exists(std::string(KORATSU_SOURCE_DIR "/") + file))
          << form::Name(number) << " names " << file;
    }
  }
}

using RegisteredWindowsTest = testing::RunningGameTest;

TEST_F(RegisteredWindowsTest, EachIsInTheIndexAndLoadsUnderItsOwnNumber) {
  std::map<int, std::string> lines = IndexLines();
  std::map<int, int> registrations;
  for (const platform::FormRegistration& r : platform::Registrations()) {
    if (r.form >= testing::kFirstTestForm) continue;  // the window tests' own stand-ins
    const std::string name = ClassName(*r.type);
    SCOPED_TRACE(name + " registered as window " + std::to_string(r.form));
    ++registrations[r.form];
    EXPECT_TRUE(InIndex(r.form));
    EXPECT_EQ(name, form::Name(r.form));
    EXPECT_TRUE(r.accepted);
    EXPECT_NE(lines[r.form], "not built yet") << "its line in the index names its file";
  }
  for (const auto& [number, count] : registrations)
    EXPECT_EQ(count, 1) << form::Name(number) << " is registered by more than one window";

  // The conversation window closes at once with nothing to say.
  AddTalkLine("  こんにちは。");
  for (const auto& [number, count] : registrations) {
    SCOPED_TRACE(form::Name(number));
    platform::Form* window = platform::Forms().Load(number);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Number(), number);
    EXPECT_EQ(ClassName(typeid(*window)), form::Name(number));
    platform::Forms().Unload(number);
  }
}

}  // namespace
}  // namespace koratsu
