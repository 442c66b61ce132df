// Every window, control and method that the code names through the ui seam is
// there: the calls are read from the sources, and each window they name is
// loaded and asked for the control or the method. A mistyped name fails here
// instead of writing a log line in play.

#include <QLabel>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "platform/form.h"
#include "qtsupport/running_game.h"
#include "shell/windows/qt_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

namespace fs = std::filesystem;

// One call of the seam that names a window: where it stands, which call, the
// window's constant ("kBigGain") and the control or method it names, if any.
struct Naming {
  std::string where;
  std::string call;
  std::string window;
  std::string name;
};

// A window of the index: its number, and whether its window is built yet.
struct IndexEntry {
  int number;
  bool built;
};
using Index = std::map<std::string, IndexEntry>;

// `text` with its comments blanked out, and the insides of its quoted texts
// too when `quotes` is false; every character keeps its place. Examples in
// comments and texts are no calls.
std::string Blanked(const std::string& text, bool quotes) {
  std::string out = text;
  for (std::size_t at = 0; at < out.size(); ++at) {
    char c = out[at];
    if (c == '"' || c == '\'') {
      const std::size_t start = at;
      for (++at; at < out.size() && out[at] != c; ++at)
        if (out[at] == '\\') ++at;
      if (!quotes)
        for (std::size_t inside = start + 1; inside < at && inside < out.size(); ++inside) out[inside] = ' ';
    } else if (c == '/' && at + 1 < out.size() && out[at + 1] == '/') {
      for (; at < out.size() && out[at] != '\n'; ++at) out[at] = ' ';
    } else if (c == '/' && at + 1 < out.size() && out[at + 1] == '*') {
      std::size_t end = out.find("*/", at + 2);
      end = end == std::string::npos ? out.size() : end + 2;
      for (; at < end; ++at)
        if (out[at] != '\n') out[at] = ' ';
      --at;
    }
  }
  return out;
}

std::string Trimmed(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The arguments of the call whose "(" stands just before `at`, as written.
std::vector<std::string> Arguments(const std::string& code, std::size_t at) {
  std::vector<std::string> arguments(1);
  int depth = 0;
  for (; at < code.size(); ++at) {
    char c = code[at];
    if (c == '"' || c == '\'') {
      std::size_t start = at;
      for (++at; at < code.size() && code[at] != c; ++at)
        if (code[at] == '\\') ++at;
      arguments.back() += code.substr(start, at - start + 1);
      continue;
    }
    if (c == '(' || c == '[' || c == '{') ++depth;
    if (c == ')' || c == ']' || c == '}') {
      if (depth == 0) break;
      --depth;
    }
    if (c == ',' && depth == 0) {
      arguments.emplace_back();
      continue;
    }
    arguments.back() += c;
  }
  for (std::string& argument : arguments) argument = Trimmed(argument);
  return arguments;
}

bool NamesControlOrMethod(const std::string& call) { return call == "SetControlText" || call == "CallForm"; }

// The seam's calls in one source text. A call that names a control or a
// method the test cannot read (not a window constant and a quoted name) is
// kept with an empty window, and fails.
std::vector<Naming> NamingsIn(const std::string& source, const std::string& file) {
  static const std::regex call(R"(\bui::(SetControlText|CallForm|Show|Unload|IsLoaded)\s*\()");
  static const std::regex window(R"(^form::(k\w+)$)");
  static const std::regex quoted(R"re(^"([^"\\]*)"$)re");
  const std::string code = Blanked(source, true);
  const std::string searched = Blanked(source, false);
  std::vector<Naming> namings;
  for (auto found = std::sregex_iterator(searched.begin(), searched.end(), call); found != std::sregex_iterator();
       ++found) {
    const std::size_t start = static_cast<std::size_t>(found->position(0));
    const std::string where =
        file + ":" + std::to_string(1 + std::count(code.begin(), code.begin() + static_cast<long>(start), '\n'));
    const std::string name = (*found)[1];
    std::vector<std::string> arguments = Arguments(code, start + static_cast<std::size_t>(found->length(0)));
    std::smatch match;
    Naming naming{where, name, {}, {}};
    if (std::regex_match(arguments[0], match, window)) naming.window = match[1];
    if (NamesControlOrMethod(name)) {
      if (arguments.size() > 1 && std::regex_match(arguments[1], match, quoted)) naming.name = match[1];
      if (naming.name.empty()) naming.window.clear();
    } else if (naming.window.empty()) {
      continue;  // a window held in a variable: the constant it came from is named elsewhere
    }
    namings.push_back(naming);
  }
  return namings;
}

std::vector<Naming> NamingsUnder(const fs::path& root) {
  std::vector<Naming> namings;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string ext = entry.path().extension().string();
    if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    std::ifstream in(entry.path());
    std::stringstream text;
    text << in.rdbuf();
    for (Naming& naming : NamingsIn(text.str(), "src/" + fs::relative(entry.path(), root).generic_string()))
      namings.push_back(std::move(naming));
  }
  return namings;
}

// The window index's constants, read from its own lines.
Index WindowIndex() {
  std::ifstream in(KORATSU_SOURCE_DIR "/ui/forms.h");
  static const std::regex line(R"(^constexpr int (k\w+) = (\d+);\s*(//\s*(.*))?$)");
  Index index;
  std::string text;
  std::smatch match;
  while (std::getline(in, text))
    if (std::regex_match(text, match, line))
      index[match[1]] = {std::stoi(match[2]), match[4] != "not built yet"};
  return index;
}

// What is wrong with `naming`, or "" when its window has what it names. A
// window not built yet has nothing to ask; once it is, its names are checked.
std::string Problem(const Naming& naming, const Index& index, MDIForm1& main) {
  if (naming.window.empty())
    return "names its window or its " + std::string(naming.call == "CallForm" ? "method" : "control") +
           " by something other than a window constant and a quoted name, which this test cannot check";
  auto entry = index.find(naming.window);
  if (entry == index.end()) return "form::" + naming.window + " is not in the window index";
  if (!entry->second.built) return {};
  const int number = entry->second.number;
  platform::FormMethods methods;
  QWidget* window = nullptr;
  if (number == form::kMDIForm1) {
    if (naming.call != "CallForm") return "the main window takes no " + naming.call;
    methods = main.Methods();
  } else {
    platform::Form* loaded = platform::Forms().Load(number);
    if (!loaded) return form::Name(number) + " is not registered";
    methods = loaded->Methods();
    window = loaded;
  }
  std::string problem;
  if (naming.call == "CallForm") {
    bool known = false;
    for (const platform::FormMethod& method : methods) known = known || method.name == naming.name;
    if (!known) problem = form::Name(number) + " has no method " + naming.name;
  } else if (naming.call == "SetControlText" && !TextControl(*window, naming.name)) {
    problem = form::Name(number) + " has no label or button named " + naming.name;
  }
  if (window) platform::Forms().Unload(number);
  return problem;
}

using SeamNamesTest = testing::RunningGameTest;

TEST_F(SeamNamesTest, EveryWindowControlAndMethodTheCodeNamesIsThere) {
  const std::vector<Naming> namings = NamingsUnder(KORATSU_SOURCE_DIR);
  ASSERT_FALSE(namings.empty()) << "no call of the seam found under " << KORATSU_SOURCE_DIR;
  const Index index = WindowIndex();
  std::ostringstream problems;
  for (const Naming& naming : namings) {
    std::string problem = Problem(naming, index, *main);
    if (!problem.empty()) problems << "\n  " << naming.where << ": ui::" << naming.call << ": " << problem;
  }
  EXPECT_TRUE(problems.str().empty()) << "names the windows do not have:" << problems.str();
}

// A window with one control and one method, for names planted in a source.
class NamedProbe : public platform::Form {
 public:
  NamedProbe() : Form({}) { (new QLabel(this))->setObjectName(QStringLiteral("Label1(1)")); }
  platform::FormMethods Methods() override { return {{"Refresh", [] {}}}; }
};

constexpr int kProbe = testing::kFirstTestForm + 23;
const bool registered = platform::RegisterForm<NamedProbe>(kProbe);

TEST_F(SeamNamesTest, AMistypedOrUnreadableNameIsAProblemAndACommentIsNoCall) {
  const Index index = {{"kProbe", {kProbe, true}}, {"kLater", {kProbe + 1, false}}, {"kMDIForm1", {0, true}}};
  struct Case {
    const char* source;
    bool problem;
  };
  const Case cases[] = {
      {R"src(ui::SetControlText(form::kProbe, "Label1(1)", text);)src", false},
      {R"src(ui::SetControlText(form::kProbe, "Label1(2)", text);)src", true},
      {R"src(ui::SetControlText(form::kProbe, "Label" + std::to_string(i), text);)src", true},
      {R"src(ui::SetControlText(window, "Label1(1)", text);)src", true},
      {R"src(ui::CallForm(form::kProbe, "Refresh");)src", false},
      {R"src(ui::CallForm(form::kProbe, "Refesh");)src", true},
      {R"src(ui::CallForm(form::kMDIForm1, "GameOn");)src", false},
      {R"src(ui::CallForm(form::kMDIForm1, "GameOff");)src", true},
      {R"src(ui::Show(form::kProbe, ui::Modal);)src", false},
      {R"src(ui::Show(form::kNoSuchWindow, ui::Modal);)src", true},
      {R"src(ui::SetControlText(form::kLater, "Label1(1)", text);)src", false},
      {"// ui::CallForm(form::kProbe, \"Nothing\");\n/* ui::CallForm(form::kProbe, \"Nothing\"); */", false},
      {R"src(Log("ui::CallForm(form::kProbe, \"Nothing\")");)src", false},
  };
  for (const Case& c : cases) {
    std::string problems;
    for (const Naming& naming : NamingsIn(c.source, "planted.cpp")) problems += Problem(naming, index, *main);
    EXPECT_EQ(!problems.empty(), c.problem) << c.source << "\n" << problems;
  }
}

}  // namespace
}  // namespace koratsu
