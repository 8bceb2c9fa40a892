#pragma once
// Whole-file reads and atomic whole-file writes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace spurgear {

// Reads at most `limit` bytes from the start of a regular file. Throws
// FileError "ファイル %s は開けません" when it cannot be opened or read.
std::vector<uint8_t> ReadFilePrefix(const std::string& path, std::size_t limit);

// How the new contents wait until they replace the target: an unnamed file
// that only appears once complete, where the file system allows it, or a
// named temporary beside the target. Named is there so that both ways can be
// exercised; Unnamed falls back to Named by itself.
enum class TemporaryFile { Unnamed, Named };

// Replaces `path` whole with the bytes, or creates it. A target the user may
// not write is refused before anything changes. The new contents go to a
// temporary file in the target's folder (named ".spurgear-<pid>-XXXXXX.tmp"
// when it has a name), are synced and then renamed over the target, and the
// folder is synced. A replaced file keeps its mode, owner and group; a new
// file's mode follows the umask. Named temporaries left behind by a process
// that is gone are removed by the next save into the folder. On any failure
// the target stays as it was and FileError "ファイル %s を作成できません"
// is thrown.
void WriteFileAtomically(const std::string& path, std::string_view bytes,
                         TemporaryFile temporary = TemporaryFile::Unnamed);

}  // namespace spurgear
