// Which rule answers each code of the editor-event queue when its entry
// comes due. A code with no rule here yet is freed and logged.

#include "clock/editor_events.h"
#include "publishing/serial_events.h"
#include "state/editor_event_queue.h"

namespace koratsu {

EditorEventHandler BuiltInEditorEventHandler(int code) {
  switch (code) {
    case event_code::kOneShotVerdict: return OneShotVerdict;
    case event_code::kSerialDeadline: return SerialDeadline;
    case event_code::kComicsOffer: return ComicsOffer;
    case event_code::kLastEpisode: return LastEpisodeWarning;
    case event_code::kVeryPopular: return VeryPopularReaction;
    case event_code::kNotPopular: return NotPopularReaction;
    case event_code::kFairlyPopular: return FairReaction;
    default: return {};
  }
}

}  // namespace koratsu
