// Saves with real files: permissions, owners, modes, long names and saves
// killed half way.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/errors.h"
#include "core/file_io.h"
#include "output/dxf.h"
#include "test_support.h"

namespace spurgear {
namespace {

constexpr uid_t kNobody = 65534;
const TemporaryFile kBothWays[] = {TemporaryFile::Unnamed, TemporaryFile::Named};

std::string Bytes(const std::string& path) {
  std::vector<uint8_t> b = ReadAll(path);
  return std::string(b.begin(), b.end());
}

std::vector<std::string> Entries(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir)) {
    names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

struct stat Stat(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st;
}

// The message of a refused save, or "" when the save went through.
std::string Refusal(const std::string& path, std::string_view bytes, TemporaryFile how) {
  try {
    WriteFileAtomically(path, bytes, how);
    return "";
  } catch (const FileError& e) {
    return e.what();
  }
}

// Runs `body` in a child process as an ordinary user: nobody when the tests
// run as root, else the user itself. The body returns "" or what went wrong.
std::string AsOrdinaryUser(const std::function<std::string()>& body) {
  int fds[2];
  if (::pipe(fds) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(fds[0]);
    std::string problem;
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setresgid(kNobody, kNobody, kNobody) != 0 ||
         ::setresuid(kNobody, kNobody, kNobody) != 0)) {
      problem = "cannot become nobody";
    } else {
      try {
        problem = body();
      } catch (const std::exception& e) {
        problem = e.what();
      }
    }
    (void)!::write(fds[1], problem.data(), problem.size());
    ::_exit(0);
  }
  ::close(fds[1]);
  std::string problem;
  char buf[512];
  ssize_t n;
  while ((n = ::read(fds[0], buf, sizeof buf)) > 0) problem.append(buf, static_cast<std::size_t>(n));
  ::close(fds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status)) return "child did not finish";
  return problem;
}

TEST(Save, ReplacedFileKeepsModeOwnerAndGroup) {
  for (TemporaryFile how : kBothWays) {
    SCOPED_TRACE(static_cast<int>(how));
    TempDir dir;
    for (mode_t mode : {0664, 0600, 0640}) {
      const std::string path = dir.Write("keep.hgd", {1, 2, 3});
      ASSERT_EQ(::chmod(path.c_str(), mode), 0);
      const bool root = ::geteuid() == 0;
      if (root) {
        ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
      }
      WriteFileAtomically(path, "new", how);
      const struct stat st = Stat(path);
      EXPECT_EQ(st.st_mode & 07777, mode);
      if (root) {  // root saving a user's file leaves it the user's
        EXPECT_EQ(st.st_uid, kNobody);
        EXPECT_EQ(st.st_gid, kNobody);
      }
      EXPECT_EQ(Bytes(path), "new");
      EXPECT_EQ(Entries(dir.path), std::vector<std::string>{"keep.hgd"});
    }
  }
}

TEST(Save, NewFileModeFollowsTheUmask) {
  for (TemporaryFile how : kBothWays) {
    for (mode_t mask : {022, 027, 002, 077}) {
      TempDir dir;
      const mode_t saved = ::umask(mask);
      WriteFileAtomically(dir.Path("new.hgd"), "x", how);
      ::umask(saved);
      EXPECT_EQ(Stat(dir.Path("new.hgd")).st_mode & 07777, 0666 & ~mask)
          << static_cast<int>(how) << " umask " << mask;
    }
  }
}

TEST(Save, AFileTheUserMayNotWriteIsRefusedAndKept) {
  TempDir dir;
  // A folder every user may write into.
  ASSERT_EQ(::chmod(dir.path.c_str(), 0777), 0);
  const bool root = ::geteuid() == 0;
  // The user's own read-only file (made the user's inside the child).
  const std::string own = dir.Write("own.hgd", {'o', 'l', 'd'});
  ASSERT_EQ(::chmod(own.c_str(), 0444), 0);
  if (root) {
    ASSERT_EQ(::chown(own.c_str(), kNobody, kNobody), 0);
  }
  // Another user's files: one only that user may write, one anybody may.
  const std::string theirs = dir.Write("theirs.hgd", {'o', 'l', 'd'});
  ASSERT_EQ(::chmod(theirs.c_str(), 0644), 0);
  // Longer than what replaces it: nothing of it may remain at the end.
  const std::string shared = dir.Write("shared.hgd", {'o', 'l', 'd', ',', ' ', 'l', 'o', 'n', 'g', 'e', 'r'});
  ASSERT_EQ(::chmod(shared.c_str(), 0666), 0);

  const std::string problem = AsOrdinaryUser([&]() -> std::string {
    for (TemporaryFile how : kBothWays) {
      std::vector<std::string> refused = {own};
      if (root) refused.push_back(theirs);
      for (const std::string& path : refused) {
        const std::string message = Refusal(path, "new", how);
        if (message != "ファイル " + path + " を作成できません") return path + ": " + message;
        if (Bytes(path) != "old") return path + " was changed";
      }
      if (!root) continue;
      // Writable but not the user's: written, and still the other user's.
      if (!Refusal(shared, "new " + std::to_string(static_cast<int>(how)), how).empty()) {
        return "shared file refused";
      }
    }
    return "";
  });
  EXPECT_EQ(problem, "");
  EXPECT_EQ(Bytes(own), "old");
  EXPECT_EQ(Bytes(theirs), "old");
  if (!root) {
    EXPECT_EQ(Bytes(shared), "old, longer");
  }
  if (root) {
    const struct stat st = Stat(shared);
    EXPECT_EQ(st.st_uid, 0u);
    EXPECT_EQ(st.st_mode & 07777, 0666u);
    EXPECT_EQ(Bytes(shared), "new 1");
  } else {
    std::cout << "Not root: another user's file could not be made, only the own file was tried\n";
  }
  // Nothing was left beside them.
  EXPECT_EQ(Entries(dir.path), (std::vector<std::string>{"own.hgd", "shared.hgd", "theirs.hgd"}));
}

TEST(Save, LongNamesWork) {
  // 83 three-byte characters and ".hgd": 253 bytes, 2 short of the limit.
  std::string name;
  for (int i = 0; i < 83; ++i) name += "歯";
  name += ".hgd";
  ASSERT_EQ(name.size(), 253u);
  for (TemporaryFile how : kBothWays) {
    TempDir dir;
    const std::string path = dir.Path(name);
    WriteFileAtomically(path, "first", how);
    WriteFileAtomically(path, "second", how);
    EXPECT_EQ(Bytes(path), "second");
    EXPECT_EQ(Entries(dir.path), std::vector<std::string>{name});
  }
}

// The temporary name a process with id `pid` would use.
std::string Litter(pid_t pid) { return ".spurgear-" + std::to_string(pid) + "-a1B2c3.tmp"; }

pid_t GoneProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

TEST(Save, KilledSavesLeaveNothingAfterTheNextSave) {
  // A large drawing: 300 teeth, about 200000 lines, 1.8 MB.
  std::vector<Point2D> outline(kGearCapacity);
  DxfLines big;
  ExportGearDxf(DxfGear{1, 300, 1.0, 0.0, 302.0, 297.5}, outline, big);
  const std::string drawing(big.Bytes());
  ASSERT_GT(drawing.size(), 1'000'000u);

  for (TemporaryFile how : kBothWays) {
    SCOPED_TRACE(static_cast<int>(how));
    TempDir dir;
    const std::string path = dir.Path("gear.dxf");
    WriteFileAtomically(path, "old");
    for (int round = 0; round < 6; ++round) {
      const pid_t writer = ::fork();
      if (writer == 0) {
        try {
          for (;;) WriteFileAtomically(path, drawing, how);
        } catch (...) {
        }
        ::_exit(1);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(15 + 11 * round));
      ::kill(writer, SIGKILL);
      ::waitpid(writer, nullptr, 0);
      // The target is always whole: the old contents or a complete drawing.
      const std::string now = Bytes(path);
      EXPECT_TRUE(now == "old" || now == drawing) << now.size();
    }
    // Litter of a process that is gone goes; a running writer's, and files
    // that only look alike, stay.
    const std::string gone = dir.Path(Litter(GoneProcess()));
    const std::string running = dir.Path(Litter(::getppid()));
    const std::string alike = dir.Path("notes.spurgear-1-a1B2c3.tmp");
    for (const std::string& p : {gone, running, alike}) dir.Write(std::filesystem::path(p).filename(), {1});
    WriteFileAtomically(path, "after", how);
    EXPECT_EQ(Bytes(path), "after");
    EXPECT_EQ(Entries(dir.path),
              (std::vector<std::string>{Litter(::getppid()), "gear.dxf", "notes.spurgear-1-a1B2c3.tmp"}));
  }
}

}  // namespace
}  // namespace spurgear

namespace spurgear {
namespace {

// A link in a sticky world-writable folder is followed only when the user
// or the folder's owner made it.
TEST(Save, APlantedLinkInASharedFolderIsRefused) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to make links of other users";
  TempDir dir;
  ASSERT_EQ(::chmod(dir.path.c_str(), 0755), 0);
  const std::string mine = dir.Write("private/mine.hgd", {'o', 'l', 'd'});
  ASSERT_EQ(::chown(dir.Path("private").c_str(), kNobody, kNobody), 0);
  ASSERT_EQ(::chown(mine.c_str(), kNobody, kNobody), 0);
  ASSERT_EQ(::chmod(mine.c_str(), 0600), 0);
  std::filesystem::create_directory(dir.Path("shared"));
  ASSERT_EQ(::chmod(dir.Path("shared").c_str(), 01777), 0);
  const struct {
    uid_t linkOwner;
    bool followed;
  } cases[] = {{4242, false}, {kNobody, true}, {0, true}};  // a stranger, the user, the folder's owner
  for (const auto& c : cases) {
    const std::string link = dir.Path("shared/link-" + std::to_string(c.linkOwner) + ".hgd");
    ASSERT_EQ(::symlink(mine.c_str(), link.c_str()), 0);
    ASSERT_EQ(::lchown(link.c_str(), c.linkOwner, c.linkOwner), 0);
    for (TemporaryFile how : kBothWays) {
      const std::string problem = AsOrdinaryUser([&]() -> std::string {
        const std::string message = Refusal(link, "new", how);
        if (c.followed != message.empty()) return "refusal: '" + message + "'";
        return "";
      });
      EXPECT_EQ(problem, "") << c.linkOwner;
      EXPECT_EQ(Bytes(mine), c.followed ? "new" : "old") << c.linkOwner;
      ASSERT_EQ(::truncate(mine.c_str(), 0), 0);
      dir.Write("private/mine.hgd", {'o', 'l', 'd'});
    }
  }
}

// A colleague's access granted by an ACL, and other extended attributes,
// outlive the save.
TEST(Save, AReplacedFileKeepsItsAclAndExtendedAttributes) {
  // user::rw- user:4242:rw- group::r-- mask::rw- other::r--
  const auto entry = [](uint16_t tag, uint16_t perm, uint32_t id) {
    std::string e(8, '\0');
    std::memcpy(&e[0], &tag, 2);
    std::memcpy(&e[2], &perm, 2);
    std::memcpy(&e[4], &id, 4);
    return e;
  };
  const uint32_t version = 2, none = 0xFFFFFFFF;
  std::string acl(reinterpret_cast<const char*>(&version), 4);
  acl += entry(0x01, 6, none) + entry(0x02, 6, 4242) + entry(0x04, 4, none) +
         entry(0x10, 6, none) + entry(0x20, 4, none);
  for (TemporaryFile how : kBothWays) {
    TempDir dir;
    const std::string path = dir.Write("acl.hgd", {'o', 'l', 'd'});
    ASSERT_EQ(::setxattr(path.c_str(), "user.note", "kept", 4, 0), 0);
    if (::setxattr(path.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) != 0) {
      ADD_FAILURE() << "the file system takes no ACL: " << std::strerror(errno);
    }
    const auto get = [&](const char* name) {
      char value[256];
      const ssize_t n = ::getxattr(path.c_str(), name, value, sizeof value);
      return n < 0 ? std::string("missing") : std::string(value, static_cast<std::size_t>(n));
    };
    const std::string aclBefore = get("system.posix_acl_access");
    WriteFileAtomically(path, "new", how);
    EXPECT_EQ(Bytes(path), "new");
    EXPECT_EQ(get("user.note"), "kept");
    EXPECT_EQ(get("system.posix_acl_access"), aclBefore);
    EXPECT_EQ(Stat(path).st_mode & 0777, 0664u);  // the group bits show the ACL's mask
  }
}

}  // namespace
}  // namespace spurgear
