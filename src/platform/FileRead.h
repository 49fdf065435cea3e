#pragma once
// Reading a whole file without trusting it: only regular files, opened so that a pipe or a
// device cannot make the reader wait, with the size and the first bytes checked before the
// rest is read.
#include <cstddef>
#include <string>
#include <string_view>

namespace qav {

enum class FileRead {
  Ok,
  CannotOpen,   // absent, not permitted, ... (errno tells)
  NotRegular,   // a folder, device, pipe or socket
  TooLarge,     // larger than the limit (also when it grows past it while being read)
  NoSignature,  // does not start with the expected bytes
  ReadFailed,   // a read error (errno tells)
};

// Reads the whole file into bytes (cleared on failure). With a signature, a file that is not
// empty must start with it. errnoOut, when given, receives the
// system's error number of CannotOpen and ReadFailed.
FileRead readRegularFile(const std::string& path, std::string& bytes, std::size_t limit,
                         std::string_view signature = {}, int* errnoOut = nullptr);

}  // namespace qav
