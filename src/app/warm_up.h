#pragma once
// Start-up work the first frame waits for but the window takes no part in,
// done on the second core while the main thread builds the window. Each
// joins its thread when it goes.
#include <thread>

namespace spurgear {

// Made before the application object: fontconfig reads its configuration
// and font caches, which the first label needs.
class FontWarmUp {
 public:
  FontWarmUp();
  ~FontWarmUp();
  FontWarmUp(const FontWarmUp&) = delete;
  FontWarmUp& operator=(const FontWarmUp&) = delete;

 private:
  std::thread thread_;
};

// Made once the application object exists, and gone before it: Qt's font
// database, which lists every font on the machine before the first label
// finds its own, then Qt's image format plugins, which the style loads to
// read its own pixmaps for the menu bar and the group boxes.
class ToolkitWarmUp {
 public:
  ToolkitWarmUp();
  ~ToolkitWarmUp();
  ToolkitWarmUp(const ToolkitWarmUp&) = delete;
  ToolkitWarmUp& operator=(const ToolkitWarmUp&) = delete;

 private:
  std::thread thread_;
};

}  // namespace spurgear
