#pragma once
// A serial's milestones: its 10th, 30th, 50th and 100th delivered episodes
// are celebrated, once the delivery window has closed, with the milestone
// notice (form::kSerialMilestone) and, from the 30th on, the editor's words.

#include <string>
#include <vector>

#include "state/value.h"

namespace koratsu {

// The notice's Label1(0) for a serial that reached `episodes` (10, 30, 50
// or 100); "" for another count. The opener puts the count into
// FormParam(35), from which the notice takes its picture: the element of
// Image2 for the count, -1 for another count.
std::string SerialMilestoneText(const Value& title, const Value& episodes);
int SerialMilestonePicture(const Value& episodes);

// The editor's three lines after the notice; none for the 10th or another count.
std::vector<std::string> SerialMilestoneTalk(const Value& title, const Value& episodes);

// After the delivery window closed: the milestone of the episodes just
// delivered (SerialEpisodeSent, 0 at a first episode) for the serial
// SerialTitleSent, if it is one.
void CelebrateSerialMilestone();

}  // namespace koratsu
