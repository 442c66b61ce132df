// The hourly drift of the asset ranking and the sales of the comics table.

#include "clock/phases.h"

namespace koratsu {

void AssetDriftAndComicsTable() {}

}  // namespace koratsu
