#include "core/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/errors.h"

namespace spurgear {
namespace {

FileError CannotOpen(const std::string& path) {
  return FileError("ファイル " + path + " は開けません");
}
FileError CannotCreate(const std::string& path, const std::string& reason) {
  return FileError("ファイル " + path + " を作成できません", reason);
}
// `error` an errno value, taken at once after the call that failed.
FileError CannotCreate(const std::string& path, int error) {
  return CannotCreate(path, std::string(std::strerror(error)));
}

// One file descriptor, closed when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() { Reset(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  void Reset(int fd = -1) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }
  // Closes and reports whether the close succeeded (a late write error
  // shows up here on some file systems).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Temporary names are short and carry the writing process's id, so that
// they never grow with the target's name and a later save can tell whether
// their writer is still running.
constexpr char kTempPrefix[] = ".spurgear-";
constexpr char kTempSuffix[] = ".tmp";
constexpr std::size_t kTempRandom = 6;

std::string TemporaryName() {
  static unsigned long counter = 0;
  struct timespec now {};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  unsigned long long v = (static_cast<unsigned long long>(now.tv_nsec) << 20) ^
                         static_cast<unsigned long long>(now.tv_sec) ^
                         (static_cast<unsigned long long>(++counter) * 0x9E3779B97F4A7C15ull);
  static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::string name = kTempPrefix + std::to_string(::getpid()) + "-";
  for (std::size_t i = 0; i < kTempRandom; ++i) {
    name += digits[v % 62];
    v /= 62;
  }
  return name + kTempSuffix;
}

// The writer's process id in a temporary's name; 0 for any other name.
pid_t TemporaryOwner(const char* name) {
  const std::size_t prefix = sizeof kTempPrefix - 1, suffix = sizeof kTempSuffix - 1;
  const std::size_t n = std::strlen(name);
  if (n < prefix + 2 + kTempRandom + suffix) return 0;
  if (std::strncmp(name, kTempPrefix, prefix) != 0) return 0;
  if (std::strcmp(name + n - suffix, kTempSuffix) != 0) return 0;
  const std::size_t dash = n - suffix - kTempRandom - 1;
  if (name[dash] != '-' || dash == prefix) return 0;
  long long pid = 0;
  for (std::size_t i = prefix; i < dash; ++i) {
    if (name[i] < '0' || name[i] > '9' || pid > 100000000) return 0;
    pid = pid * 10 + (name[i] - '0');
  }
  return static_cast<pid_t>(pid);
}

// Removes the temporaries of saves whose process is gone (killed mid-save).
// A writer that still runs, under any user, keeps its file.
void RemoveAbandonedTemporaries(int dirfd) {
  const int copy = ::openat(dirfd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (copy < 0) return;
  DIR* dir = ::fdopendir(copy);
  if (dir == nullptr) {
    ::close(copy);
    return;
  }
  while (const struct dirent* e = ::readdir(dir)) {
    const pid_t owner = TemporaryOwner(e->d_name);
    if (owner <= 0 || owner == ::getpid()) continue;
    if (::kill(owner, 0) == 0 || errno != ESRCH) continue;
    struct stat st {};
    if (::fstatat(dirfd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) continue;
    ::unlinkat(dirfd, e->d_name, 0);
  }
  ::closedir(dir);
}

// False with errno set when a write fails.
bool WriteAllAt(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n =
        ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// A file of another owner that the user may write cannot be replaced by a
// file that keeps that owner, so it is written where it stands, as a direct
// create would. The space is reserved first, so that a full disk is found
// before the old contents are touched.
void WriteInPlace(const std::string& real, const std::string& path, std::string_view bytes) {
  Descriptor fd(::open(real.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (fd.get() < 0) throw CannotCreate(path, errno);
  if (!bytes.empty() &&
      ::fallocate(fd.get(), FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size())) != 0 &&
      errno != EOPNOTSUPP) {
    throw CannotCreate(path, errno);
  }
  if (!WriteAllAt(fd.get(), bytes) ||
      ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd.get()) != 0 ||
      !fd.Close()) {
    throw CannotCreate(path, errno);
  }
}

enum class Attempt { Done, TryNamed, InPlace };

// A link in a sticky world-writable folder (/tmp, say) that neither the
// user nor the folder's owner made may have been planted to make the save
// overwrite a file of the user's; it is refused, as the kernel refuses to
// follow it when it opens a path itself.
bool PlantedLink(const std::string& path, const struct stat& link) {
  const std::size_t slash = path.rfind('/');
  const std::string folder =
      slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  struct stat dir {};
  if (::stat(folder.c_str(), &dir) != 0) return true;
  const bool shared = (dir.st_mode & S_ISVTX) && (dir.st_mode & S_IWOTH);
  return shared && link.st_uid != ::geteuid() && link.st_uid != dir.st_uid;
}

// Copies the extended attributes, the access ACL among them, from the file
// being replaced to its replacement; false when one cannot be copied.
bool CopyAttributes(const std::string& from, int to) {
  std::vector<char> names(1024);
  ssize_t n;
  while ((n = ::listxattr(from.c_str(), names.data(), names.size())) < 0 && errno == ERANGE) {
    names.resize(names.size() * 4);
  }
  if (n < 0) return errno == ENOTSUP;
  std::vector<char> value(256);
  for (ssize_t at = 0; at < n; at += static_cast<ssize_t>(std::strlen(&names[at])) + 1) {
    const char* name = &names[at];
    ssize_t size;
    while ((size = ::getxattr(from.c_str(), name, value.data(), value.size())) < 0 &&
           errno == ERANGE) {
      value.resize(value.size() * 4);
    }
    if (size < 0) {
      if (errno == ENODATA) continue;  // removed meanwhile
      return false;
    }
    if (::fsetxattr(to, name, value.data(), static_cast<std::size_t>(size), 0) != 0) return false;
  }
  return true;
}

}  // namespace

std::vector<uint8_t> ReadFilePrefix(const std::string& path, std::size_t limit) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) throw CannotOpen(path);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    throw CannotOpen(path);
  }
  std::vector<uint8_t> data(limit);
  std::size_t got = 0;
  while (got < limit) {
    ssize_t n = ::read(fd, data.data() + got, limit - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      throw CannotOpen(path);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  data.resize(got);
  return data;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes, TemporaryFile temporary) {
  if (path.empty()) throw CannotCreate(path, ENOENT);
  // A link is followed, so the file it names is replaced and the link stays.
  std::string real = path;
  struct stat link {};
  if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
    if (PlantedLink(path, link)) {
      throw CannotCreate(path, "a link in a shared folder made by another user is not followed");
    }
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) throw CannotCreate(path, errno);
    real = resolved;
    std::free(resolved);
  }
  struct stat target {};
  const bool exists = ::stat(real.c_str(), &target) == 0;
  // Only a regular file is ever replaced: renaming over a directory, a
  // device or a pipe would destroy it rather than write to it.
  if (exists && S_ISDIR(target.st_mode)) throw CannotCreate(path, EISDIR);
  if (exists && S_ISFIFO(target.st_mode)) throw CannotCreate(path, "a FIFO, not a regular file");
  if (exists && !S_ISREG(target.st_mode)) throw CannotCreate(path, "not a regular file");
  // The rename needs only the folder's permission; the file's own decides,
  // as it does for a direct create.
  if (exists && ::faccessat(AT_FDCWD, real.c_str(), W_OK, AT_EACCESS) != 0) {
    throw CannotCreate(path, errno);
  }

  const std::size_t slash = real.rfind('/');
  const std::string folder =
      slash == std::string::npos ? "." : (slash == 0 ? "/" : real.substr(0, slash));
  const std::string name = slash == std::string::npos ? real : real.substr(slash + 1);
  if (name.empty()) throw CannotCreate(path, EISDIR);
  // A folder the user may search but not list is still a place to save in;
  // it then goes without the cleanup and the folder sync.
  bool listable = true;
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() < 0) {
    listable = false;
    dir.Reset(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0) throw CannotCreate(path, errno);
  }
  if (listable) RemoveAbandonedTemporaries(dir.get());

  // A new file is created with 0666 and the kernel applies the umask (or
  // the folder's default ACL), for the unnamed file as for a named one, so
  // the process never has to read or set its umask. A replacement starts
  // private and takes the old file's mode below.
  const mode_t createMode = exists ? 0600 : 0666;

  auto attempt = [&](bool unnamed) -> Attempt {
    std::string tmp;
    Descriptor fd;
    if (unnamed) {
      fd.Reset(::openat(dir.get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, createMode));
      if (fd.get() < 0) return Attempt::TryNamed;
    } else {
      for (int tries = 0; tries < 100 && fd.get() < 0; ++tries) {
        tmp = TemporaryName();
        fd.Reset(::openat(dir.get(), tmp.c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, createMode));
        if (fd.get() < 0 && errno != EEXIST) throw CannotCreate(path, errno);
      }
      if (fd.get() < 0) throw CannotCreate(path, EEXIST);
    }
    // Gives up this temporary; `error` the errno of the call that failed.
    auto discard = [&](int error) {
      fd.Reset();
      if (!tmp.empty()) ::unlinkat(dir.get(), tmp.c_str(), 0);
      return CannotCreate(path, error);
    };
    if (exists) {
      struct stat made {};
      if (::fstat(fd.get(), &made) != 0) throw discard(errno);
      // Owner first: a change of owner clears set-id bits that the mode then
      // puts back.
      if ((made.st_uid != target.st_uid || made.st_gid != target.st_gid) &&
          ::fchown(fd.get(), target.st_uid, target.st_gid) != 0) {
        discard(errno);
        return Attempt::InPlace;
      }
      if (::fchmod(fd.get(), target.st_mode & 07777) != 0) throw discard(errno);
      // Attributes that cannot be carried over stay where they are: the
      // file is then written in place, as for an owner that cannot be kept.
      if (!CopyAttributes(real, fd.get())) {
        discard(errno);
        return Attempt::InPlace;
      }
    }
    if (!WriteAllAt(fd.get(), bytes) || ::fsync(fd.get()) != 0) throw discard(errno);
    if (unnamed) {
      // The unnamed file gets a (temporary) name only once it is complete.
      const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
      bool linked = false;
      for (int tries = 0; tries < 100 && !linked; ++tries) {
        tmp = TemporaryName();
        linked = ::linkat(AT_FDCWD, self.c_str(), dir.get(), tmp.c_str(), AT_SYMLINK_FOLLOW) == 0;
        if (!linked && errno != EEXIST) return Attempt::TryNamed;  // no /proc, say
      }
      if (!linked) {
        tmp.clear();
        throw discard(EEXIST);
      }
    }
    if (!fd.Close()) {
      const int error = errno;
      ::unlinkat(dir.get(), tmp.c_str(), 0);
      throw CannotCreate(path, error);
    }
    if (::renameat(dir.get(), tmp.c_str(), dir.get(), name.c_str()) != 0) {
      const int error = errno;
      ::unlinkat(dir.get(), tmp.c_str(), 0);
      throw CannotCreate(path, error);
    }
    return Attempt::Done;
  };

  Attempt result = attempt(temporary == TemporaryFile::Unnamed);
  if (result == Attempt::TryNamed) result = attempt(false);
  if (result == Attempt::InPlace) {
    WriteInPlace(real, path, bytes);
    return;
  }
  // The rename is durable only once the folder is; a file system that cannot
  // sync a folder does not fail the save.
  if (listable && ::fsync(dir.get()) != 0 && errno != EINVAL && errno != EROFS &&
      errno != ENOTSUP) {
    throw CannotCreate(path, errno);
  }
}

}  // namespace spurgear
