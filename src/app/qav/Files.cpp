#include "app/qav/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstring>
#include <vector>

#include "base/Text.h"
#include "platform/FileRead.h"
#include "platform/Platform.h"

namespace qav::tool {

bool readWholeFile(const std::string& path, std::string& bytes, std::string& error) {
  int err = 0;
  const std::string shown = text::printable(path);
  switch (readRegularFile(path, bytes, kMaxFileBytes, {}, &err)) {
    case FileRead::Ok:
      return true;
    case FileRead::CannotOpen:
      error = "cannot open " + shown + ": " + std::strerror(err);
      break;
    case FileRead::NotRegular:
      error = shown + " is not a regular file";
      break;
    case FileRead::TooLarge:
      error = shown + " is larger than " + std::to_string(kMaxFileBytes) + " bytes";
      break;
    case FileRead::NoSignature:
    case FileRead::ReadFailed:
      error = "cannot read " + shown + ": " + std::strerror(err);
      break;
  }
  return false;
}

bool writeWholeFile(const std::string& path, std::string_view bytes, mode_t mode,
                    std::string& error) {
  std::string tmpl = path + ".XXXXXX";
  std::vector<char> name(tmpl.begin(), tmpl.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) {
    error = "cannot create " + path + ": " + std::strerror(errno);
    return false;
  }
  auto failWith = [&](const char* what, int err) {
    error = std::string(what) + " " + path + ": " + std::strerror(err);
    ::close(fd);
    ::unlink(name.data());
    return false;
  };
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return failWith("cannot write", n < 0 ? errno : ENOSPC);
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  if (::fchmod(fd, mode) != 0) return failWith("cannot set the permissions of", errno);
  if (::fsync(fd) != 0) return failWith("cannot write", errno);
  if (::close(fd) != 0) {
    error = "cannot write " + path + ": " + std::strerror(errno);
    ::unlink(name.data());
    return false;
  }
  if (::rename(name.data(), path.c_str()) != 0) {
    error = "cannot create " + path + ": " + std::strerror(errno);
    ::unlink(name.data());
    return false;
  }
  return true;
}

std::string selfDirectory() {
  char buf[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "./";
  std::string path(buf, static_cast<std::size_t>(n));
  auto slash = path.rfind('/');
  return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

bool parseByteCount(const std::string& text, std::size_t& out, std::size_t max) {
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size() && out <= max;
}

}  // namespace qav::tool
