#include "production/new_manga.h"

namespace koratsu {

void StartNewManga() {
  // Filled in with the planning of new works.
}

}  // namespace koratsu
