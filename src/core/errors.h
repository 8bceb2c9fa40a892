#pragma once
// The failures a command can end with. Each is thrown where it happens and
// caught once, at the command boundary, which reports it to the user.
#include <stdexcept>
#include <string>
#include <utility>

namespace spurgear {

// Ends the running command; the message box shows what() followed by a period.
class CommandError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Ends the running command with `message` unless `ok`.
inline void Require(bool ok, const std::string& message) {
  if (!ok) throw CommandError(message);
}

// A text that does not convert to a number.
class ConversionError : public CommandError {
 public:
  using CommandError::CommandError;
};

// Division by zero, an invalid operation or an overflow in a calculation.
class ArithmeticFault : public CommandError {
 public:
  using CommandError::CommandError;
};

// A file that cannot be opened, created or taken as gear data.
class FileError : public CommandError {
 public:
  using CommandError::CommandError;
  FileError(const std::string& text, std::string reason)
      : CommandError(text), reason_(std::move(reason)) {}
  // Why, where the system said ("Read-only file system", "Is a directory"):
  // told after the text, never in place of it.
  const std::string& reason() const { return reason_; }

 private:
  std::string reason_;
};

// A root finder whose bracket holds no sign change, or that did not settle.
// It is reported as a red line in the message list, not as a dialog.
class NoSolution : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace spurgear
