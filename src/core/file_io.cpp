#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "core/errors.h"

namespace spurgear {
namespace {

FileError CannotOpen(const std::string& path) {
  return FileError("ファイル " + path + " は開けません");
}
FileError CannotCreate(const std::string& path) {
  return FileError("ファイル " + path + " を作成できません");
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

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  if (path.empty()) throw CannotCreate(path);
  // A link is followed, so the file it names is replaced and the link stays.
  std::string real = path;
  struct stat link {};
  if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) throw CannotCreate(path);
    real = resolved;
    std::free(resolved);
  }
  struct stat target {};
  bool exists = ::stat(real.c_str(), &target) == 0;
  // Only a regular file is ever replaced: renaming over a directory, a
  // device or a pipe would destroy it rather than write to it.
  if (exists && !S_ISREG(target.st_mode)) throw CannotCreate(path);

  std::string tmp = real + ".XXXXXX";
  int fd = ::mkstemp(tmp.data());
  if (fd < 0) throw CannotCreate(path);
  auto fail = [&]() {
    ::close(fd);
    ::unlink(tmp.c_str());
    return CannotCreate(path);
  };
  // Keep the permissions of the file being replaced; a new file gets the
  // usual ones.
  mode_t mode;
  if (exists) {
    mode = target.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (::fchmod(fd, mode) != 0) throw fail();
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw fail();
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) throw fail();
  if (::close(fd) != 0) {
    ::unlink(tmp.c_str());
    throw CannotCreate(path);
  }
  if (::rename(tmp.c_str(), real.c_str()) != 0) {
    ::unlink(tmp.c_str());
    throw CannotCreate(path);
  }
}

}  // namespace spurgear
