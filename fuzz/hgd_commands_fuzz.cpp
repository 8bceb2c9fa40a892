#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  spurgear::fuzz::HgdCommands(data, size);
  return 0;
}
