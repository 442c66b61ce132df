#include "publishing/comics.h"

namespace koratsu {

void AddComic(const Value&, const Value&, const Value&, const Value&, const Value&, const Value&) {}
void UpdateRivalComics() {}
void AdvanceRivalComic(const Value&) {}
int RivalRosterSize() { return 0; }
const char* RivalRosterTitle(int) { return ""; }

}  // namespace koratsu
