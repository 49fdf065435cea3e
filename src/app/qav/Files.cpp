#include "app/qav/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstring>
#include <vector>

namespace qav::tool {

bool readWholeFile(const std::string& path, std::string& bytes, std::string& error) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    error = path + " is not a regular file";
    ::close(fd);
    return false;
  }
  bytes.clear();
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buf[1 << 16];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      error = "cannot read " + path + ": " + std::strerror(errno);
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    bytes.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return true;
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

bool parseByteCount(const std::string& text, std::size_t& out) {
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace qav::tool
