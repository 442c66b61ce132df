// The layers of src/, read from the sources' own includes: every include
// points down (or across, where the layers allow it), and plain C++ reaches
// no Qt.
//
//   state < ui < rules (clock production publishing life roomview save)
//         < platform < windows (any */windows/) and shell < app
//
// A rule folder includes no window, and the rules' subsystems call one way:
//
//   clock > publishing > production > life > roomview
//
// each may include the rules of those to its right, never of one to its left
// (save/ stands outside that order). One subsystem's windows include no other
// subsystem's windows but the main window: what they share lives in
// platform/. The plain C++ below the windows builds without Qt: outside
// windows/, platform/ and app/ no file includes a Qt header or a header of
// those folders.

#include <filesystem>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace koratsu {
namespace {

namespace fs = std::filesystem;

enum class Layer { State, Ui, Rules, Platform, Top, App };

const char* LayerName(Layer layer) {
  switch (layer) {
    case Layer::State: return "state";
    case Layer::Ui: return "the ui seam";
    case Layer::Rules: return "rules";
    case Layer::Platform: return "the platform layer";
    case Layer::Top: return "windows and the shell";
    case Layer::App: return "the program";
  }
  return "";
}

bool IsWindows(const std::string& path) { return path.find("/windows/") != std::string::npos; }

// The subsystem whose windows a path holds ("life" for "life/windows/x.h"), or "".
std::string WindowsOf(const std::string& path) {
  const size_t at = path.find("/windows/");
  return at == std::string::npos ? std::string() : path.substr(0, at);
}

// Every window may reach the main window.
const char* const kMainWindow = "shell/windows/main_window.h";

// The layer of a path relative to src/ ("clock/tick.cpp"); nullopt for a
// folder the layers do not know yet.
std::optional<Layer> LayerOf(const std::string& path) {
  const std::string top = path.substr(0, path.find('/'));
  if (IsWindows(path) || top == "shell") return Layer::Top;
  if (top == "state") return Layer::State;
  if (top == "ui") return Layer::Ui;
  for (const char* rules : {"clock", "production", "publishing", "life", "roomview", "save"})
    if (top == rules) return Layer::Rules;
  if (top == "platform") return Layer::Platform;
  if (top == "app") return Layer::App;
  return std::nullopt;
}

// The rules' subsystems in their calling order.
const char* const kRuleOrder[] = {"clock", "publishing", "production", "life", "roomview"};

// The place in kRuleOrder of a rule file's subsystem; nullopt for a window
// and for any other folder.
std::optional<std::size_t> RuleRank(const std::string& path) {
  if (IsWindows(path)) return std::nullopt;
  const std::string top = path.substr(0, path.find('/'));
  for (std::size_t rank = 0; rank < std::size(kRuleOrder); ++rank)
    if (top == kRuleOrder[rank]) return rank;
  return std::nullopt;
}

// Code that builds without Qt: all but windows/, platform/ and app/.
bool IsPlainCode(const std::string& path) {
  std::optional<Layer> layer = LayerOf(path);
  return !IsWindows(path) && layer != Layer::Platform && layer != Layer::App;
}

// What is wrong with `file` (relative to src/) including `include`, or "".
std::string Fault(const std::string& file, const std::string& include, bool angled) {
  if (angled) {
    static const std::regex qt(R"(^Q[A-Za-z]|^Qt)");
    if (IsPlainCode(file) && std::regex_search(include, qt)) return "plain C++ includes no Qt header";
    return {};
  }
  std::optional<Layer> from = LayerOf(file);
  std::optional<Layer> to = LayerOf(include);
  if (!to) return {};  // not one of ours: the compiler judges it
  const std::string fromWindows = WindowsOf(file), toWindows = WindowsOf(include);
  if (!fromWindows.empty() && !toWindows.empty() && fromWindows != toWindows && include != kMainWindow)
    return "one subsystem's windows include no other subsystem's windows but the main window";
  if (*to > *from)
    return std::string(LayerName(*from)) + " may not include " + LayerName(*to) + ", a layer above it";
  if (IsPlainCode(file) && !IsPlainCode(include)) return "plain C++ reaches no Qt-bound header";
  std::optional<std::size_t> caller = RuleRank(file), callee = RuleRank(include);
  if (caller && callee && *callee < *caller)
    return std::string(kRuleOrder[*caller]) + "'s rules may not include " + kRuleOrder[*callee] +
           "'s, which call them: clock > publishing > production > life > roomview";
  return {};
}

struct Include {
  std::string file;  // relative to src/
  std::string target;
  bool angled;
};

std::vector<Include> IncludesUnder(const fs::path& root, std::vector<std::string>& unknownFiles) {
  static const std::regex line(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  std::vector<Include> includes;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    const std::string ext = entry.path().extension().string();
    if (ext != ".h" && ext != ".cpp") continue;
    const std::string file = fs::relative(entry.path(), root).generic_string();
    if (!LayerOf(file)) {
      unknownFiles.push_back(file);
      continue;
    }
    std::ifstream in(entry.path());
    std::string text;
    std::smatch match;
    while (std::getline(in, text))
      if (std::regex_search(text, match, line)) includes.push_back({file, match[2], match[1] == "<"});
  }
  return includes;
}

TEST(LayersTest, EveryIncludePointsDownAndPlainCodeReachesNoQt) {
  std::vector<std::string> unknownFiles;
  const std::vector<Include> includes = IncludesUnder(KORATSU_SOURCE_DIR, unknownFiles);
  ASSERT_GT(includes.size(), 100u) << "the sources were not found at " << KORATSU_SOURCE_DIR;

  std::ostringstream faults;
  for (const Include& i : includes) {
    std::string fault = Fault(i.file, i.target, i.angled);
    if (!fault.empty()) faults << "\n  src/" << i.file << " includes " << (i.angled ? "<" : "\"") << i.target
                               << (i.angled ? ">" : "\"") << ": " << fault;
  }
  for (const std::string& file : unknownFiles)
    faults << "\n  src/" << file << " is in a folder of no layer: give its folder one here";
  EXPECT_TRUE(faults.str().empty()) << "includes against the layers:" << faults.str();
}

// The rule itself, on includes the sources should never hold.
TEST(LayersTest, KnowsAnUpwardIncludeFromAnAllowedOne) {
  struct Case {
    const char* file;
    const char* include;
    bool angled;
    bool allowed;
  };
  const Case cases[] = {
      {"state/money.cpp", "state/value.h", false, true},
      {"state/money.cpp", "ui/forms.h", false, false},
      {"ui/talk.cpp", "state/game_state.h", false, true},
      {"ui/talk.cpp", "clock/tick.h", false, false},
      {"clock/stamina.cpp", "roomview/walking.h", false, true},  // one subsystem's rules calls another's
      {"production/naming.cpp", "life/experience.h", false, true},
      {"production/drawing.cpp", "production/slots.h", false, true},
      {"life/outing.cpp", "clock/tick.h", false, false},  // against the rules' order
      {"life/working.cpp", "production/slots.h", false, false},
      {"roomview/walking.cpp", "publishing/comics.h", false, false},
      {"save/reader.cpp", "publishing/rival_records.h", false, true},
      {"life/windows/working_window.h", "production/working.h", false, true},  // a window calls any rules
      {"clock/stamina.cpp", "shell/talk.h", false, false},
      {"clock/stamina.cpp", "roomview/windows/room_view_window.h", false, false},
      {"clock/stamina.cpp", "platform/form.h", false, false},
      {"publishing/comics.cpp", "QString", true, false},
      {"publishing/comics.cpp", "string", true, true},
      {"shell/game_flow.cpp", "clock/tick.h", false, true},
      {"shell/game_flow.cpp", "shell/windows/main_window.h", false, false},
      {"shell/windows/info_panel.cpp", "QLabel", true, true},
      {"shell/windows/info_panel.cpp", "shell/game_flow.h", false, true},
      {"roomview/windows/room_view_window.cpp", "shell/windows/main_window.h", false, true},
      {"life/windows/outing_window.cpp", "life/windows/activity_controls.h", false, true},
      {"production/windows/schedule_window.h", "life/windows/activity_controls.h", false, false},
      {"publishing/windows/ending_window.cpp", "shell/windows/about_box.h", false, false},
      {"shell/windows/info_panel.cpp", "production/windows/archive_window.h", false, false},
      {"production/windows/schedule_window.h", "platform/gauges.h", false, true},
      {"platform/form.cpp", "ui/ui.h", false, true},
      {"platform/form.cpp", "shell/windows/main_window.h", false, false},
      {"app/main.cpp", "shell/windows/main_window.h", false, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Fault(c.file, c.include, c.angled).empty(), c.allowed) << c.file << " → " << c.include;
}

}  // namespace
}  // namespace koratsu
