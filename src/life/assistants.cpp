#include "life/assistants.h"

namespace koratsu {

void GetAsi() {
  // Filled in with the assistants' windows.
}

void AsiKaiko() {
  // Filled in with the assistants' windows.
}

}  // namespace koratsu
