#pragma once
// A publisher's manga award: the ceremony with its talks, the prize window,
// the trophy recount and the trophy room; the fifth trophy brings the ending.

namespace koratsu {

// Publisher 0 to 4 gives work `work` its award, once per publisher and never
// while another ceremony runs.
void MangaAwardCeremony(int publisher, long long work);

}  // namespace koratsu
