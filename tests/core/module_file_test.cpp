// A module that is missing, or lacks its entry point, is a refusal the
// message box shows, never a crash.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/errors.h"
#include "core/module_file.h"

namespace spurgear {
namespace {

TEST(ModuleFileTest, AMissingModuleOrEntryIsAFileErrorNamingItAndWhatStopped) {
  struct Case {
    const char* file;
    const char* symbol;
    bool needsBuiltModule;
  };
  for (const Case& c : {Case{"libspurgear_none.so", "spurgear_render_sheet", false},
                        Case{"libspurgear_sheet.so", "spurgear_no_such_entry", true}}) {
    SCOPED_TRACE(c.file);
    // The sheet module exists where the window is built.
    if (c.needsBuiltModule && !std::filesystem::exists(ModuleFolder() + "/" + c.file)) continue;
    try {
      ModuleFunction(c.file, c.symbol, "計算書を出力");
      ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
      EXPECT_EQ(std::string(e.what()),
                std::string("部品 ") + c.file + " を読み込めないため、計算書を出力できません");
      EXPECT_NE(e.reason().find(c.needsBuiltModule ? c.symbol : c.file), std::string::npos)
          << e.reason();
    }
  }
}

}  // namespace
}  // namespace spurgear
