#include "platform/FileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace qav {
namespace {

// Reads up to n bytes at out, retrying interrupted reads; the count read, or -1.
ssize_t readSome(int fd, char* out, std::size_t n) {
  for (;;) {
    ssize_t got = ::read(fd, out, n);
    if (got < 0 && errno == EINTR) continue;
    return got;
  }
}

// Fills exactly n bytes unless the file ends first; the count read, or -1.
ssize_t readFully(int fd, char* out, std::size_t n) {
  std::size_t done = 0;
  while (done < n) {
    ssize_t got = readSome(fd, out + done, n - done);
    if (got < 0) return -1;
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return static_cast<ssize_t>(done);
}

}  // namespace

FileRead readRegularFile(const std::string& path, std::string& bytes, std::size_t limit,
                         std::string_view signature, int* errnoOut) {
  bytes.clear();
  // Non-blocking so that opening a pipe with no writer returns at once; no controlling
  // terminal from a device. Neither changes how a regular file reads.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    if (errnoOut) *errnoOut = errno;
    return FileRead::CannotOpen;
  }
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return FileRead::NotRegular;
  if (st.st_size < 0 || static_cast<uint64_t>(st.st_size) > limit) return FileRead::TooLarge;
  const std::size_t size = static_cast<std::size_t>(st.st_size);
  auto failed = [&]() {
    if (errnoOut) *errnoOut = errno;
    bytes.clear();
    return FileRead::ReadFailed;
  };

  // The first bytes decide before anything else is read.
  std::size_t got = 0;
  if (!signature.empty() && size > 0) {
    if (size < signature.size()) return FileRead::NoSignature;
    bytes.resize(size);
    ssize_t n = readFully(fd, bytes.data(), signature.size());
    if (n < 0) return failed();
    if (std::string_view(bytes.data(), static_cast<std::size_t>(n)) != signature) {
      bytes.clear();
      return FileRead::NoSignature;
    }
    got = static_cast<std::size_t>(n);
  } else {
    bytes.resize(size);
  }
  ssize_t n = readFully(fd, bytes.data() + got, size - got);
  if (n < 0) return failed();
  got += static_cast<std::size_t>(n);
  if (got < size) {  // the file shrank meanwhile
    bytes.resize(got);
    return FileRead::Ok;
  }
  // The end is where a further read gives nothing; a file that grew meanwhile is read on to
  // its new end, within the limit.
  char probe[4096];
  for (;;) {
    ssize_t more = readSome(fd, probe, sizeof probe);
    if (more < 0) return failed();
    if (more == 0) return FileRead::Ok;
    if (bytes.size() + static_cast<std::size_t>(more) > limit) {
      bytes.clear();
      return FileRead::TooLarge;
    }
    bytes.append(probe, static_cast<std::size_t>(more));
  }
}

}  // namespace qav
