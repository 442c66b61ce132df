#pragma once
// The words the novel and copy windows show for a novel's or an existing
// manga's popularity and fame, 0 to 5.

#include <optional>
#include <string>

#include "state/value.h"

namespace koratsu {

// "ない", "少し", "まあまあ", "人気", "大人気", "超人気"; none for any other value.
std::optional<std::string> PopularityWord(const Value& popularity);
// "ない", "少し", "まあまあ", "有名", "大有名", "超有名"; none for any other value.
std::optional<std::string> FameWord(const Value& fame);

}  // namespace koratsu
