#pragma once
// What the archive's detail panel shows for a work: every text of the panel
// its state chooses (serial, requested one-shot, own work), the serial
// panel's volume rows, how far its lower rows move and its height. Plain
// data that the archive window applies; reading it changes nothing.

#include <string>
#include <vector>

#include "state/value.h"

namespace koratsu {

// The serial panel's geometry, in pixels.
constexpr int kVolumeRowStep = 14;       // one volume row
constexpr int kSerialPanelHeight = 194;  // with one volume row (or none)
constexpr int kShortPanelHeight = 63;    // the one-shot and own-work panels

struct VolumeRowText {
  std::string volume, price, sold, stock;
};

struct SerialDetail {
  std::string title, episodes, period, magazine, rank, fee;
  std::string anime, animeRating, animeIncome;
  std::string movie, audience, boxOffice;
  std::string totalSold, stock;
  // One row per volume; a work without volumes has one row with an empty
  // volume cell and zeros.
  std::vector<VolumeRowText> volumes;
  // How far the rows from the sales totals down sit below their places:
  // 14 pixels for every volume after the first.
  int lowerOffset = 0;
  int height = kSerialPanelHeight;
};

struct OneShotDetail {
  std::string title, date, adoption, fee, magazine;
};

struct OwnWorkDetail {
  std::string title, date, magazine, adoption, prize;
};

// The panels of work `work`, whatever its state.
SerialDetail DescribeSerial(long long work);
OneShotDetail DescribeOneShot(long long work);
OwnWorkDetail DescribeOwnWork(long long work);

// The volumes a work shows: MangaVolumes within what the table holds.
int ShownVolumes(long long work);

}  // namespace koratsu
