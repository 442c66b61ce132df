#pragma once
// Putting a file's new bytes in place of its old ones so that a failure, a
// full disk or a kill at any step leaves the old file whole.

#include <string>
#include <string_view>

#include "save/result.h"

namespace koratsu::save {

// Writes `bytes` in place of what `path` held. They go to a new file in the
// same folder, reach the disk and are then renamed over `path`; a failure
// removes the new file. A path that is a link has the file it names written,
// whether or not that file is there yet, and the link stays. A new file gets
// the permissions the process gives new files, a replaced one keeps its own.
// New files that an earlier save of the same file left behind when it was
// killed (this version's names or the earlier "<name>.tmp<process>_<n>") are
// removed first, once their process is gone and they have lain untouched for
// ten minutes.
Result ReplaceFile(const std::string& path, std::string_view bytes);

// The names tried, in this order, for the new file that replaces `target`.
// Each is short, whatever the length of the target's own name, holds this
// process's number, and is created only when nothing stands there yet, never
// through a link.
std::string TemporaryPath(const std::string& target, int attempt);

}  // namespace koratsu::save
