// Each test binary checks that no two of its tests share a name: CTest runs a
// test by its name, so a second test of the same name would run in its place,
// or with it, unseen. The suite is named after the binary (KORATSU_TEST_BINARY),
// so that this test itself has a name of its own in each.

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace koratsu {
namespace {

TEST(KORATSU_TEST_BINARY, NoTwoTestsShareAName) {
  const ::testing::UnitTest& tests = *::testing::UnitTest::GetInstance();
  std::set<std::string> seen;
  for (int i = 0; i < tests.total_test_suite_count(); ++i) {
    const ::testing::TestSuite& suite = *tests.GetTestSuite(i);
    for (int j = 0; j < suite.total_test_count(); ++j) {
      const std::string name = std::string(suite.name()) + "." + suite.GetTestInfo(j)->name();
      EXPECT_TRUE(seen.insert(name).second) << name << " is the name of two tests";
    }
  }
}

}  // namespace
}  // namespace koratsu
