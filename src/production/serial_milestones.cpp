#include "production/serial_milestones.h"

#include "state/game_state.h"
#include "ui/forms.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

struct Milestone {
  int episodes;
  const char* text;
  int picture;  // element of Image2
  // The editor's lines, the title between the second line's two parts; none for the 10th.
  const char* firstLine;
  const char* beforeTitle;
  const char* afterTitle;
  const char* lastLine;
};
constexpr Milestone kMilestones[] = {
    {10, "」の連載が10回を突破しましたおめでとうございます。", 1, nullptr, nullptr, nullptr, nullptr},
    {30, "」の連載が30回を突破しましたおめでとうございます。", 0,
     "  おめでとうございます。なお本雑誌では記念として", "カラーページで「", "」の特集を組みました、",
     "今後も多く続くようにがんばって下さい。"},
    {50, "」の連載がついに50回を突破しましたおめでとうございます。", 2,
     "  おめでとうございます。なお本雑誌では50回突破記念として", "カラーページで「", "」の特集を組みました、",
     "ぜひ連載100回を目指してがんばってください。"},
    {100, "」の連載がついに100回を突破しましたおめでとうございます。", 3,
     "  おめでとうございます。なお本雑誌では100回突破記念として", "カラーページで「", "」の大特集を組みました、",
     "今後も多く続くようにがんばって下さい。"},
};

const Milestone* FindMilestone(const Value& episodes) {
  for (const Milestone& m : kMilestones)
    if (episodes == m.episodes) return &m;
  return nullptr;
}

}  // namespace

std::string SerialMilestoneText(const Value& title, const Value& episodes) {
  const Milestone* m = FindMilestone(episodes);
  return m ? Join(" 「", title, m->text) : std::string();
}

int SerialMilestonePicture(const Value& episodes) {
  const Milestone* m = FindMilestone(episodes);
  return m ? m->picture : -1;
}

std::vector<std::string> SerialMilestoneTalk(const Value& title, const Value& episodes) {
  const Milestone* m = FindMilestone(episodes);
  if (!m || !m->firstLine) return {};
  return {m->firstLine, Join(m->beforeTitle, title, m->afterTitle), m->lastLine};
}

void CelebrateSerialMilestone() {
  GameState& g = State();
  const Value episodes = g.SerialEpisodeSent;
  if (!FindMilestone(episodes)) return;
  g.FormSlot[form::kSerialMilestone].Param = episodes;
  ui::SetControlText(form::kSerialMilestone, "Label1(0)", SerialMilestoneText(g.SerialTitleSent, episodes));
  ui::Show(form::kSerialMilestone, ui::Modal);
  const std::vector<std::string> lines = SerialMilestoneTalk(g.SerialTitleSent, episodes);
  if (lines.empty()) return;
  for (const std::string& line : lines) AddTalkLine(line);
  ui::ShowTalk("編集者");
}

}  // namespace koratsu
