#pragma once
// The reply to an editor (form::kRequestReply) and what accepting starts: a
// requested one-shot planned at once, or a serial set up through its talk
// (SerialStartTalk) up to a titled, scheduled first episode. The same window
// also confirms the end of a serial.
//
// FormMode(16): 0 a one-shot request, 1 a serial offer, 2 ending a serial.

#include <string>

namespace koratsu {

namespace request_mode {
constexpr int kOneShot = 0;
constexpr int kSerial = 1;
constexpr int kEndSerial = 2;
}  // namespace request_mode

// The serial title window's box takes this many characters.
constexpr int kSerialTitleLength = 11;

// The reply window's 引き受ける (終了させる when ending a serial). A request
// is refused while six works are in production, or while the works table
// could not take one more work: the window stays and nothing changes.
// Otherwise the editor answers, the window closes and the work is planned:
// a one-shot in the new-work choice, a serial through SerialStartTalk. In
// mode 2 the answer is EndSerialAnswer 1.
void AcceptRequest();

// The reply window's 引き受けない (やめる): the request is dropped with the
// editor's words, or, ending a serial, EndSerialAnswer is 0. The window closes.
void DeclineRequest();

// The serial's set-up talk from the stage in SerialTalkState: 0 starts it,
// 3 plans the first episode (the new-work choice in FormMode(5) 2, whose
// placing leaves stage 5), 5 asks for the title (the serial title window,
// which leaves stage 6), 6 closes it and shows the schedule (stage 0).
void SerialStartTalk();

// The serial title window's 決定 with the title as typed, for the slot in
// SerialSlot. An empty title, or one of a finished work, is refused with a
// message; otherwise the player is asked and on yes the slot takes the
// title and the offered fee, the talk moves to its closing stage and the
// window closes. True when the title was taken.
bool ConfirmSerialTitle(const std::string& title);

}  // namespace koratsu
