#pragma once
// Standard output written through write(2) with every failure kept, so that
// results cut short by a full disk or a closed pipe never end in status 0.
#include <streambuf>

namespace spurgear::cli {

class CheckedOutput : public std::streambuf {
 public:
  explicit CheckedOutput(int fd);
  ~CheckedOutput() override;
  CheckedOutput(const CheckedOutput&) = delete;
  CheckedOutput& operator=(const CheckedOutput&) = delete;

  // Writes what is still buffered and closes the descriptor. Returns the
  // errno of the first write, flush or close that failed; 0 when everything
  // reached its destination. Later writes fail at once.
  int Close();

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override;

 private:
  bool Drain();
  bool WriteAll(const char* data, std::size_t size);

  int fd_;
  int error_ = 0;
  bool wrote_ = false;
  char buffer_[1 << 16];
};

}  // namespace spurgear::cli
