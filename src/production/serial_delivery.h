#pragma once
// A serial's finished episode, delivered at its deadline by the delivery
// window in its serial mode (FormMode(18) = 1, the episode in SerialSlot):
// the manuscript fee, the serial's record at its first episode, the
// readers' ranking with its top and bottom placings, comics volumes, the
// editors' news and offers, and then the serial's end or its next episode.

#include <string>

#include "state/value.h"

namespace koratsu {

// Every serial's manuscript fee per episode.
constexpr int kSerialFee = 240000;
// A serial ends with this episode at the latest: its record holds no more.
constexpr int kLastSerialEpisode = 501;
// The next episode's start and work target.
constexpr double kEpisodeStartProgress = 0.1;
constexpr int kEpisodeTarget = 160;

enum class SerialDeliveryOutcome {
  NextEpisode,   // the serial goes on: the next episode is in SerialSlot, its points panel prepared
  FinalEpisode,  // the serial ended with this episode
  NoRecord,      // a first episode the works table had no room for: the serial is given up
};

// What the delivery window shows once the episode is delivered.
struct SerialDeliveryView {
  SerialDeliveryOutcome outcome = SerialDeliveryOutcome::FinalEpisode;
  std::string caption;  // the window's
  std::string text;     // Label1(1)
  bool wide = false;    // the wide layout with the points panel; else the compact one
};

// The delivery window's load in the serial mode, after the steps every
// delivery shares (the working copy of the knowledge points made,
// SerialEpisodeSent 0). Draws the experience's number, then the anime
// offer's and the movie offer's chance, every time.
SerialDeliveryView DeliverSerialEpisode();

// A serial's place among its magazine's `SerialCount` places for quality
// score `quality`: Int(MagazineStandard / quality × factor), at least 1 and
// at most the last place.
Value SerialRank(const Value& magazine, const Value& quality, double factor);

}  // namespace koratsu
