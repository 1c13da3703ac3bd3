#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/byte_file.h"

// Hands the file from `from` to its end to visit in chunks of about a MiB, each chunk
// repeating the last `overlap` bytes of the one before, so that nothing of up to
// overlap + 1 bytes is split. visit gets the chunk and the file offset of its first byte
// and returns true to stop the walk. False when a read failed (not at the end of the file).
bool walk_chunks(const ByteFile& file, std::int64_t from, std::size_t overlap,
                 const std::function<bool(std::string_view chunk, std::int64_t offset)>& visit);
