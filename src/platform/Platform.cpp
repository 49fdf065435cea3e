#include "platform/Platform.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/Text.h"

namespace qav {

const char* buttonWord(Button b) {
  switch (b) {
    case kYes:
      return "Yes";
    case kNo:
      return "No";
    case kOk:
      return "Ok";
    case kCancel:
      return "Cancel";
    case kAbort:
      return "Abort";
    case kRetry:
      return "Retry";
    case kIgnore:
      return "Ignore";
    case kAll:
      return "All";
    default:
      return "";
  }
}

bool Platform::readFile(const std::string& path, std::string& bytes) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  // Read straight into the result; a file that changes size meanwhile is read to its end.
  std::size_t size = static_cast<std::size_t>(st.st_size);
  bytes.resize(size);
  std::size_t got = 0;
  for (;;) {
    if (got == bytes.size()) bytes.resize(bytes.size() + (1 << 16));
    ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      bytes.clear();
      return false;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(got);
  return true;
}

bool Platform::writeFileAtomic(const std::string& target, std::string_view bytes,
                               std::string& error) {
  // Write through a symbolic link to the file it names, so that the link survives.
  std::string path = target;
  struct stat lst {};
  if (::lstat(target.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
    if (char* real = ::realpath(target.c_str(), nullptr)) {
      path = real;
      ::free(real);
    }
  }
  std::string dir = ".";
  if (auto slash = path.rfind('/'); slash != std::string::npos)
    dir = slash == 0 ? "/" : path.substr(0, slash);
  auto fail = [&](const char* what, int err) {
    error = std::string(what) + " \"" + target + "\". " + std::strerror(err);
    return false;
  };

  std::string tmpl = path + ".XXXXXX";
  std::vector<char> name(tmpl.begin(), tmpl.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) return fail("Cannot create file", errno);
  // From here on every failure removes the temporary file and leaves the target untouched.
  auto abandon = [&](const char* what, int err) {
    ::close(fd);
    ::unlink(name.data());
    return fail(what, err);
  };

  // Keep the permissions of the file being replaced, or the usual ones for a new file.
  struct stat st {};
  mode_t mode = 0644;
  if (::stat(path.c_str(), &st) == 0) mode = st.st_mode & 07777;
  if (::fchmod(fd, mode) != 0) return abandon("Cannot create file", errno);

  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return abandon("Cannot write file", n < 0 ? errno : ENOSPC);
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) return abandon("Cannot write file", errno);
  if (::close(fd) != 0) {
    int err = errno;
    ::unlink(name.data());
    return fail("Cannot write file", err);
  }
  if (::rename(name.data(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(name.data());
    return fail("Cannot create file", err);
  }
  // Make the rename itself durable.
  int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

std::optional<Picture> Platform::loadPicture(const std::string& path, std::string& error) {
  std::string resolved = resolvePath(path);
  std::string bytes;
  if (!readFile(resolved, bytes)) {
    error = "Cannot open file \"" + path + "\".";
    return std::nullopt;
  }
  auto starts = [&](std::string_view sig) { return bytes.compare(0, sig.size(), sig) == 0; };
  Picture pic;
  if (starts("BM")) {
    pic.kind = "TBitmap";
  } else if (bytes.size() >= 4 && starts(std::string_view("\0\0\1\0", 4))) {
    pic.kind = "TIcon";
  } else if (starts("\x89PNG") || starts("\xFF\xD8\xFF") || starts("GIF8")) {
    pic.kind = "TBitmap";  // other raster formats are shown like bitmaps
  } else {
    error = "Bitmap image is not valid";
    return std::nullopt;
  }
  pic.bytes = std::move(bytes);
  return pic;
}

namespace {

std::string directoryOf(const std::string& path) {
  auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// Finds an entry of dir whose name equals want without regard to ASCII letter case;
// an exact match wins.
std::optional<std::string> findEntry(const std::string& dir, const std::string& want) {
  struct stat st {};
  if (::stat((dir + "/" + want).c_str(), &st) == 0) return want;
  DIR* d = ::opendir(dir.empty() ? "/" : dir.c_str());
  if (!d) return std::nullopt;
  std::optional<std::string> found;
  while (dirent* e = ::readdir(d)) {
    if (text::equalsIgnoreAsciiCase(e->d_name, want)) {
      found = e->d_name;
      break;
    }
  }
  ::closedir(d);
  return found;
}

}  // namespace

std::string Platform::resolvePath(const std::string& name) {
  if (name.empty()) return name;
  std::string p = name;
  for (char& c : p)
    if (c == '\\') c = '/';
  // Drop a drive letter: "C:/x" is taken relative to the program's directory tree root.
  bool absolute = !p.empty() && p[0] == '/';
  if (p.size() >= 2 && p[1] == ':' &&
      ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z'))) {
    p = p.substr(2);
    absolute = !p.empty() && p[0] == '/';
  }
  std::string base = absolute ? std::string("/") : directoryOf(programPath());
  std::string result = base;
  std::size_t i = absolute ? 1 : 0;
  bool exists = true;
  while (i <= p.size()) {
    std::size_t j = p.find('/', i);
    if (j == std::string::npos) j = p.size();
    std::string part = p.substr(i, j - i);
    i = j + 1;
    if (part.empty() || part == ".") continue;
    if (!result.empty() && result.back() != '/') result += '/';
    if (exists) {
      auto entry = findEntry(result.empty() ? "/" : result, part);
      if (entry) {
        result += *entry;
        continue;
      }
      exists = false;
    }
    result += part;
  }
  return result;
}

}  // namespace qav
