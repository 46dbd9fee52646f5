#pragma once
// Replacing a file so that readers, and a crash at any moment, see either the
// old contents or the new ones, never a mixture or an empty file.
#include <string>
#include <string_view>

namespace platform {

// Writes contents to a temporary file beside path, flushes it to the disk and
// renames it over path. Returns false, leaving path untouched, on any failure.
// A file replaced keeps its permissions; a new one gets those the user's umask
// leaves of read and write for all, as files other programs create do.
bool write_file_atomically(const std::string& path, std::string_view contents);

}  // namespace platform
