#include "platform/Platform.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/Text.h"
#include "items/Component.h"
#include "lang/Texts.h"
#include "platform/FileRead.h"

namespace qav {
namespace {

// Why a file operation failed, in the user's words where the reason is a common one.
std::string reasonOf(int err) {
  switch (err) {
    case ENOENT:
    case ENOTDIR:
      return std::string(msg::kNoSuchFolder);
    case EACCES:
    case EPERM:
      return std::string(msg::kNoPermission);
    case ENOSPC:
    case EDQUOT:
      return std::string(msg::kDiskFull);
    case EROFS:
      return std::string(msg::kReadOnlyDisk);
    case EISDIR:
      return std::string(msg::kIsFolder);
    default:
      return std::strerror(err);
  }
}

}  // namespace

bool takesKeyboardFocus(const Component& item) {
  static constexpr std::string_view kinds[] = {cls::kEdit,     cls::kMemo,     cls::kListBox,
                                               cls::kComboBox, cls::kCheckBox, cls::kRadioButton,
                                               cls::kButton,   cls::kPage};
  for (std::string_view k : kinds)
    if (item.className() == k) return true;
  return false;
}

std::string Platform::cannotOpen(const std::string& path) {
  return std::string(msg::kCannotOpenFile) + text::printable(path);
}

bool Platform::readable(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  const bool file = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  ::close(fd);
  return file;
}

const char* refusalWord(Refusal r) {
  // In the order of the enumeration.
  static constexpr const char* kWords[] = {"",          "hidden",    "disabled",
                                           "read-only", "no-window", "unsuited"};
  return kWords[static_cast<int>(r)];
}

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

bool Platform::readFile(const std::string& path, std::string& bytes, std::string_view signature) {
  return readRegularFile(path, bytes, kMaxFileBytes, signature) == FileRead::Ok;
}

bool Platform::exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

bool Platform::renameFile(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

std::string Platform::realPath(const std::string& path) {
  if (char* real = ::realpath(path.c_str(), nullptr)) {
    std::string out = real;
    ::free(real);
    return out;
  }
  const auto slash = path.rfind('/');
  const std::string dir = slash == std::string::npos ? "."
                          : slash == 0               ? "/"
                                                     : path.substr(0, slash);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.empty() || name == "." || name == "..") return {};
  char* real = ::realpath(dir.c_str(), nullptr);
  if (!real) return {};
  std::string out = real;
  ::free(real);
  if (out.back() != '/') out += '/';
  return out + name;
}

namespace {

// The process's file creation mask (reading it means setting it; set it back at once).
mode_t currentUmask() {
  mode_t mask = ::umask(022);
  ::umask(mask);
  return mask;
}

// Large files are written in pieces, and the disk is asked to start on each piece at once, so
// that the final flush waits only for the last ones.
constexpr std::size_t kWritePiece = std::size_t{2} << 20;

bool writeAll(int fd, std::string_view bytes, off_t at) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::pwrite(fd, p, std::min(left, kWritePiece), at);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
#ifdef __linux__
    if (bytes.size() > kWritePiece) ::sync_file_range(fd, at, n, SYNC_FILE_RANGE_WRITE);
#endif
    p += n;
    at += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// The fallback when no file can be made beside the target (a folder the user cannot write,
// holding a data file the user can): the target itself is rewritten. Its previous bytes are
// held first and written back when the rewrite fails, so a failure leaves what was there.
bool rewriteInPlace(const std::string& path, std::string_view bytes, int& err) {
  int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    err = errno;
    return false;
  }
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
      static_cast<uint64_t>(st.st_size) > kMaxFileBytes) {
    err = EINVAL;
    return false;
  }
  std::string previous(static_cast<std::size_t>(st.st_size), '\0');
  std::size_t got = 0;
  while (got < previous.size()) {
    ssize_t n = ::pread(fd, previous.data() + got, previous.size() - got, static_cast<off_t>(got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      err = n < 0 ? errno : EIO;
      return false;
    }
    got += static_cast<std::size_t>(n);
  }
  if (writeAll(fd, bytes, 0) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
      ::fsync(fd) == 0)
    return true;
  err = errno;
  // Put the previous content back, at its previous length.
  if (writeAll(fd, previous, 0) && ::ftruncate(fd, static_cast<off_t>(previous.size())) == 0)
    ::fsync(fd);
  return false;
}

}  // namespace

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
  auto fail = [&](std::string_view what, int err) {
    error = std::string(what) + text::printable(target) + " (" + reasonOf(err) + ")";
    return false;
  };

  struct stat st {};
  const bool replacing = ::stat(path.c_str(), &st) == 0;
  std::string tmpl = path + ".XXXXXX";
  std::vector<char> name(tmpl.begin(), tmpl.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) {
    const int err = errno;
    if (replacing && S_ISREG(st.st_mode)) {
      int rewriteErr = 0;
      if (rewriteInPlace(path, bytes, rewriteErr)) return true;
      return fail(msg::kCannotWriteFile, rewriteErr);
    }
    return fail(msg::kCannotCreateFile, err);
  }
  // From here on every failure removes the temporary file and leaves the target untouched.
  auto abandon = [&](std::string_view what, int err) {
    ::close(fd);
    ::unlink(name.data());
    return fail(what, err);
  };

  // A replaced file keeps its owner and permission bits (never set-user or set-group bits,
  // which would now belong to whoever saved); a new file gets what the umask allows.
  mode_t mode = 0666 & ~currentUmask();
  if (replacing) {
    mode = st.st_mode & 0777;
    if (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) {
      if (::fchown(fd, st.st_uid, st.st_gid) != 0 && st.st_uid != ::geteuid()) {
        ::close(fd);
        ::unlink(name.data());
        error = std::string(msg::kOwnerNotKept) + text::printable(target);
        return false;
      }
    }
  }
  if (::fchmod(fd, mode) != 0) return abandon(msg::kCannotCreateFile, errno);

  if (!writeAll(fd, bytes, 0)) return abandon(msg::kCannotWriteFile, errno);
  if (::fsync(fd) != 0) return abandon(msg::kCannotWriteFile, errno);
  if (::close(fd) != 0) {
    int err = errno;
    ::unlink(name.data());
    return fail(msg::kCannotWriteFile, err);
  }
  if (::rename(name.data(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(name.data());
    return fail(msg::kCannotCreateFile, err);
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
    error = cannotOpen(path);
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
    error = std::string(msg::kNotAPicture) + text::printable(path);
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
  return resolveIn(directoryOf(programPath()), name);
}

std::string Platform::resolveIn(const std::string& directory, const std::string& name) {
  if (name.empty()) return name;
  std::string p = name;
  for (char& c : p)
    if (c == '\\') c = '/';
  const bool onWindows = p.size() >= 2 && p[1] == ':' &&
                         ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z'));
  if (onWindows) p.erase(0, 2);
  std::vector<std::string> parts;
  for (std::size_t i = 0; i <= p.size();) {
    std::size_t j = std::min(p.find('/', i), p.size());
    std::string part = p.substr(i, j - i);
    i = j + 1;
    if (!part.empty() && part != ".") parts.push_back(std::move(part));
  }
  // Each part is matched without regard to case; once one is missing the rest is as written.
  auto follow = [](std::string result, auto from, auto to, bool& found) {
    found = true;
    for (auto it = from; it != to; ++it) {
      if (!result.empty() && result.back() != '/') result += '/';
      std::optional<std::string> entry;
      if (found) entry = findEntry(result.empty() ? "/" : result, *it);
      found = entry.has_value();
      result += entry ? *entry : *it;
    }
    return result;
  };
  bool found = false;
  if (onWindows) {
    // A path on the author's Windows machine: the longest trailing part of it that exists in
    // the given folder ("sounds/ding.wav", then "ding.wav"), never climbing out of it.
    auto start = std::find(parts.rbegin(), parts.rend(), "..").base();
    if (start == parts.end()) return directory;
    for (auto from = start; from != parts.end(); ++from) {
      std::string result = follow(directory, from, parts.end(), found);
      if (found) return result;
    }
    return follow(directory, parts.end() - 1, parts.end(), found);
  }
  const bool absolute = !p.empty() && p[0] == '/';
  return follow(absolute ? std::string("/") : directory, parts.begin(), parts.end(), found);
}

}  // namespace qav
