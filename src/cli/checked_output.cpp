// Standard output with every write, the final flush and the close checked.
#include "cli/checked_output.h"

#include <unistd.h>

#include <cerrno>

namespace spurgear::cli {

CheckedOutput::CheckedOutput(int fd) : fd_(fd) { setp(buffer_, buffer_ + sizeof buffer_); }

CheckedOutput::~CheckedOutput() { Close(); }

bool CheckedOutput::WriteAll(const char* data, std::size_t size) {
  if (error_ != 0) return false;
  if (size > 0) wrote_ = true;
  while (size > 0) {
    const ssize_t n = ::write(fd_, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error_ = n < 0 ? errno : EIO;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool CheckedOutput::Drain() {
  const bool ok = WriteAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
  setp(buffer_, buffer_ + sizeof buffer_);
  return ok;
}

CheckedOutput::int_type CheckedOutput::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

std::streamsize CheckedOutput::xsputn(const char* s, std::streamsize n) {
  if (error_ != 0) return 0;
  if (n <= epptr() - pptr()) {
    traits_type::copy(pptr(), s, static_cast<std::size_t>(n));
    pbump(static_cast<int>(n));
    return n;
  }
  // Larger than the room left: what is buffered goes first, then the text
  // itself without a copy.
  if (!Drain() || !WriteAll(s, static_cast<std::size_t>(n))) return 0;
  return n;
}

int CheckedOutput::sync() { return Drain() ? 0 : -1; }

int CheckedOutput::Close() {
  if (fd_ < 0) return error_;
  Drain();
  // A late write error (a network file system, say) shows up at the close.
  // A descriptor that was closed before the program started is no fault
  // when nothing was written to it.
  if (::close(fd_) != 0 && error_ == 0 && errno != EINTR && (errno != EBADF || wrote_)) {
    error_ = errno;
  }
  fd_ = -1;
  return error_;
}

}  // namespace spurgear::cli
