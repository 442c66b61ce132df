#include "publishing/comics.h"

namespace koratsu {

void AddComic(const Value&, const Value&, const Value&, const Value&, const Value&, const Value&) {}
void UpdateRivalComics() {}
void AdvanceRivalComic(const Value&) {}

}  // namespace koratsu
