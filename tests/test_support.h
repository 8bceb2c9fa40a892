#pragma once
// Small helpers shared by the tests: a temporary directory, whole-file I/O
// and a command's output.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace spurgear {

struct TempDir {
  TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "spurgear-test-XXXXXX").string();
    path = mkdtemp(tmpl.data());
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::string Path(const std::string& name) const { return path + "/" + name; }
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::filesystem::path p = Path(name);
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return p.string();
  }
  std::string path;
};

inline std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Runs a command line and returns its standard output; nullopt when the
// tool is missing or fails.
inline std::optional<std::string> Capture(const std::string& command) {
  FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
  if (!pipe) return std::nullopt;
  std::string out;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  if (::pclose(pipe) != 0) return std::nullopt;
  return out;
}

}  // namespace spurgear
