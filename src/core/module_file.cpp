// Modules loaded on first use, from a folder found beside the executable.
#include "core/module_file.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <mutex>

#include "core/errors.h"
#include "core/version.h"

namespace spurgear {

std::string ModuleFolder() {
  // /proc/self/exe rather than argv[0]: a program started through a symbolic
  // link or from $PATH still finds the folder of the real file.
  char exe[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
  const std::string path = n > 0 ? std::string(exe, static_cast<std::size_t>(n)) : std::string();
  const std::size_t slash = path.find_last_of('/');
  const std::string dir = slash == std::string::npos ? std::string(".") : path.substr(0, slash);
  return dir + "/" + kModuleDir;
}

void* ModuleFunction(const char* file, const char* symbol, const std::string& what) {
  // dlopen and dlerror are not reentrant across threads for the message.
  static std::mutex mutex;
  const std::lock_guard<std::mutex> lock(mutex);
  const std::string path = ModuleFolder() + "/" + file;
  // RTLD_LOCAL: a module's own copies of the program's functions stay its own.
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  void* function = module != nullptr ? dlsym(module, symbol) : nullptr;
  if (function == nullptr) {
    const char* reason = dlerror();
    throw FileError("部品 " + std::string(file) + " を読み込めないため、" + what + "できません",
                    reason != nullptr ? reason : path);
  }
  // The module stays loaded until the program ends: the next use finds it
  // there (dlopen counts, it does not load twice).
  return function;
}

}  // namespace spurgear
