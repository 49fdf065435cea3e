#pragma once
// File helpers of the `qav` tool.
#include <sys/types.h>
#include <string>
#include <string_view>

namespace qav::tool {

// The whole regular file (of at most the player's file size limit); false with a one-line
// reason when it cannot be read.
bool readWholeFile(const std::string& path, std::string& bytes, std::string& error);

// Writes the file through a temporary file in the same directory renamed over it, so a
// failure never leaves a partly written file; the file gets the given permissions.
bool writeWholeFile(const std::string& path, std::string_view bytes, mode_t mode,
                    std::string& error);

// The directory of the running program, from /proc/self/exe (with a trailing "/").
std::string selfDirectory();

// A decimal byte count of at most max, or false when the text is not one.
bool parseByteCount(const std::string& text, std::size_t& out, std::size_t max);

}  // namespace qav::tool
