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

// Writes the bytes to a temporary file beside `path`, then renames it over
// `path`. On any failure the temporary file is removed, the old file stays
// as it was and FileError "ファイル %s を作成できません" is thrown.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace spurgear
