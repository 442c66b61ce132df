#include "support/save_bytes.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "save/writer.h"

namespace koratsu::testing {

std::string SavedBytes(const GameState& g) {
  std::string bytes;
  save::Result made = save::SaveFileBytes(g, bytes);
  EXPECT_TRUE(made) << made.error;
  return bytes;
}

std::string FirstDifference(const std::string& a, const std::string& b) {
  std::size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
  std::size_t line = static_cast<std::size_t>(std::count(a.begin(), a.begin() + static_cast<long>(at), '\n')) + 1;
  return "line " + std::to_string(line) + ": " + a.substr(a.rfind('\n', at) + 1, 60) + " / " +
         b.substr(b.rfind('\n', at) + 1, 60);
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) ADD_FAILURE() << "cannot write " << path;
}

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() /
          (name + "_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".krt"))
      .string();
}

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "koratsu_test_XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make a temporary folder";
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TempFolder::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace koratsu::testing
