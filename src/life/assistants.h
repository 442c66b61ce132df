#pragma once
// Hiring and dismissing assistants: the menu's and the toolbar's commands.

namespace koratsu {

// Opens the hiring window, or refuses in the first flat.
void GetAsi();
// Opens the dismissal window, or says that there is no assistant.
void AsiKaiko();

}  // namespace koratsu
