#pragma once
// The windows of the timed activities: the progress windows of an outing, a
// job and a training (Form26, Form33, Form65), which share one remembered
// place on the screen with the working window (FormTop/FormLeft(31)), and
// the stamina gauge of the activity dialogs.

#include <optional>
#include <string>

#include "state/value.h"

namespace koratsu {

// A window's top-left corner on the screen, in twips.
struct WindowPlace {
  double top, left;
};

// Where the next activity window goes; none when no place is remembered
// (a new or loaded game): the window is centred.
std::optional<WindowPlace> RememberedActivityPlace();

// A progress window's loading: the status line stops asking for orders.
void ActivityWindowLoaded();
// A progress window's closing at `place`: the place is remembered for the
// next activity window.
void ActivityWindowClosed(WindowPlace place);

// The start of a timed activity chosen in `dialog`: it runs as `mode` for
// `minutes` with its two status texts, the dialog closes and the activity's
// `progressWindow` opens.
void StartTimedActivity(int mode, const Value& statusText, const Value& statusDetail, const Value& minutes,
                        int dialog, int progressWindow);

// The stamina gauge's text: the whole stamina, "/" and the maximum ("5/25").
std::string StaminaGaugeText();

}  // namespace koratsu
