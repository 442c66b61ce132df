#pragma once
// Assistants: the hire and dismiss commands, the offer of the hiring window,
// the list of the dismissal window, and what hiring and dismissing do to the
// studio's work points, the production slots and the desks.

#include "state/value.h"

namespace koratsu {

// Opens the hiring window, or refuses in the first flat.
void GetAsi();
// Opens the dismissal window, or says that there is no assistant.
void AsiKaiko();

// The hiring window's offer: 2 to 5 different assistants who are not hired,
// drawn at random into AsiList and AsiListCount (fewer when fewer are free).
// However the draws fall, the offer is complete after a bounded number of them.
void DrawAssistantOffer();

// The hired assistants into AsiList and AsiListCount, in row order.
void ListHiredAssistants();

// The hire button, for the assistant on `page` of the offer. With four hired
// it says so and nobody is hired. True when he was hired (the window closes).
bool HireAssistant(const Value& page);

// The dismiss button, for the assistant on `page` of the list, after asking.
// True when he was dismissed (the window closes).
bool DismissAssistant(const Value& page);

}  // namespace koratsu
