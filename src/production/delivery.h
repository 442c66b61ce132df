#pragma once
// The delivery window (Form18): a finished requested one-shot goes to the
// publisher that asked for it at once (mode 0); a serial's finished episode
// goes to its magazine at its deadline (mode 1, by FormMode(18)). Here are
// the window's common opening and closing, its one-shot mode, and a
// magazine's regular deadline, which the serial's episodes keep.

#include <string>

#include "state/value.h"

namespace koratsu {

// FormMode of the delivery window.
namespace delivery_mode {
constexpr int kOneShot = 0;
constexpr int kSerial = 1;
}  // namespace delivery_mode

// Both modes' opening: the knowledge points' working copies are taken
// afresh, and no serial episode counts as sent yet.
void OpenDelivery();

// The one-shot mode's opening, for the requested one-shot just named
// (record MangaCount - 1): the player's popularity rises by 1 at once, the
// magazine's answer is queued for noon two days on, the work records where
// and when it went, and the delivery earns its experience. Returns the
// window's text; empty when there is no work.
std::string DeliverRequestedOneShot();

// 送る, after the window has closed: the main window comes back to the
// front, and the completion window, the archive and the knowledge list
// rebuild. The knowledge points stay as they were.
void DeliverySent();

// Days from today to magazine `magazine`'s next regular deadline: its
// deadline weekday in the coming week for a weekly, its deadline day in the
// next month for a monthly. `unchanged` for any other frequency.
Value DaysToRegularDeadline(const Value& magazine, const Value& unchanged);

}  // namespace koratsu
