#pragma once
// The parts of the program kept in modules of their own (the sheet writer,
// printing) so that starting the window does not load the libraries they
// link; each is loaded the first time it is used.
#include <string>

namespace spurgear {

// The folder of the modules: kModuleDir (generated/core/version.h) taken
// from the folder of the running executable, the same in the build tree as
// once installed.
std::string ModuleFolder();

// The address of the C function `symbol` in the module `file` (a file name
// in ModuleFolder()), loading the module the first time. A module that
// cannot be loaded, or lacks the function, is a FileError "部品 <file> を
// 読み込めないため、<what>できません" (what: "計算書を出力", "印刷") with
// the loader's reason.
void* ModuleFunction(const char* file, const char* symbol, const std::string& what);

}  // namespace spurgear
