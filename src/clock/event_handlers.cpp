// Which rule answers each code of the editor-event queue when its entry
// comes due. A code with no rule here yet is freed and logged.

#include "clock/editor_events.h"
#include "publishing/media_events.h"
#include "state/editor_event_queue.h"

namespace koratsu {

EditorEventHandler BuiltInEditorEventHandler(int code) {
  switch (code) {
    case event_code::kAnimeOffer: return AnimeOfferEvent;
    case event_code::kBroadcast: return BroadcastEvent;
    case event_code::kComicsRelease: return ComicsReleaseEvent;
    case event_code::kMerchandiseOffer: return MerchandiseOfferEvent;
    case event_code::kAnimeEnd: return AnimeEndEvent;
    case event_code::kMovieOffer: return MovieOfferEvent;
    case event_code::kPremiere: return PremiereEvent;
    default: return {};
  }
}

}  // namespace koratsu
