// Saving and opening where the file system is not a plain folder of plain files: links,
// read-only and foreign files, FIFOs, devices, names at the length limit.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "db/document/DbTexts.h"
#include "db/document/FileIo.h"
#include "db/image/DatabaseImage.h"
#include "hardening/Unprivileged.h"
#include "support/SampleDocs.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const Bytes kOld(1000, 0x42);

std::unique_ptr<CQuelmarDoc> SampleDoc() {
  auto doc = testkit::SampleDocument();
  doc->SetModifiedFlag(true);
  return doc;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

struct stat Lstat(const std::string& path) {
  struct stat st{};
  ::lstat(path.c_str(), &st);
  return st;
}

class FileTargets : public ::testing::Test {
 protected:
  testkit::TempDir dir;
  std::unique_ptr<CQuelmarDoc> doc = SampleDoc();

  // Only the names a test made itself: no temporary file left behind.
  std::vector<std::string> Names(const fs::path& folder) const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

// ---- links ----------------------------------------------------------------------------

TEST_F(FileTargets, SavingThroughLinksWritesTheFileTheyNameAndKeepsThemLinks) {
  fs::create_directories(dir / "synced");
  const std::string real = dir.File("synced/channels.qdb");
  testkit::WriteBytes(real, kOld);
  const std::string link = dir.File("channels.qdb");
  const std::string second = dir.File("again.qdb");
  fs::create_symlink("synced/channels.qdb", link);  // relative, as users make them
  fs::create_symlink("channels.qdb", second);       // a link to a link

  for (const std::string& through : {link, second}) {
    SCOPED_TRACE(through);
    testkit::WriteBytes(real, kOld);
    const Result r = SampleDoc()->Save(through);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_symlink(second));
    EXPECT_EQ(fs::read_symlink(link), "synced/channels.qdb");
    EXPECT_EQ(testkit::ReadBytes(real).size(), DatabaseImage::kImageSize) << "the linked file got the save";
    // The first save keeps the old content beside the name it was given.
    EXPECT_EQ(testkit::ReadBytes(through + ".bak"), kOld);
    auto names = Names(dir.Path());
    std::erase_if(names, [](const std::string& n) { return n.ends_with(".bak"); });
    EXPECT_EQ(names, (std::vector<std::string>{"again.qdb", "channels.qdb", "synced"}));
    EXPECT_EQ(Names(dir / "synced"), (std::vector<std::string>{"channels.qdb"}));
  }
}

TEST_F(FileTargets, DanglingLinkIsRefusedAndStaysALink) {
  const std::string link = dir.File("channels.qdb");
  fs::create_symlink("gone/channels.qdb", link);
  const Result r = doc->Save(link);
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(Contains(r.message, link)) << r.message;
  EXPECT_TRUE(Contains(r.message, "gone/channels.qdb")) << r.message;
  EXPECT_TRUE(Contains(r.message, "does not exist")) << r.message;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"channels.qdb"}));
  EXPECT_TRUE(doc->IsModified());
}

// ---- files the user may not write ---------------------------------------------------------

TEST_F(FileTargets, ReadOnlyFileIsRefusedEvenForTheSuperuser) {
  const std::string target = dir.File("f.qdb");
  testkit::WriteBytes(target, kOld);
  ::chmod(target.c_str(), 0444);
  const Result r = doc->Save(target);
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(Contains(r.message, "Permission denied")) << r.message;
  EXPECT_TRUE(Contains(r.message, target)) << r.message;
  EXPECT_EQ(testkit::ReadBytes(target), kOld);
  EXPECT_EQ(Lstat(target).st_mode & 07777, 0444u);
  EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"f.qdb"}));
  EXPECT_TRUE(doc->IsModified());
}

// The folder lets anyone rename over the file, so only the file's own permission can
// stop the save. Mode 0464 denies its owner while its group may write: only the system's
// answer for this user refuses it, not the no-write-bit rule.
TEST_F(FileTargets, FileTheUserMayNotWriteIsRefusedThoughTheFolderIsWritable) {
  const std::string target = dir.File("theirs.qdb");
  testkit::WriteBytes(target, kOld);
  ::chmod(dir.Path().c_str(), 0777);
  ::chmod(target.c_str(), ::geteuid() == 0 ? 0644 : 0464);  // as root the file stays root's
  const int verdict = hardening::RunUnprivileged([&] {
    const Result r = doc->Save(target);
    if (r.ok) return 1;
    return Contains(r.message, "Permission denied") ? 0 : 2;
  });
  ASSERT_NE(verdict, 126) << "could not give up root";
  EXPECT_EQ(verdict, 0) << (verdict == 1 ? "saved over the file" : "refused for another reason");
  EXPECT_EQ(testkit::ReadBytes(target), kOld);
  EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"theirs.qdb"}));
}

TEST(ReplaceDecision, RefusesWhatTheUserMayNotWriteAndWhatNobodyMay) {
  struct stat st{};
  st.st_mode = S_IFREG | 0644;
  EXPECT_TRUE(fileio::MayReplace(st, true).ok);
  EXPECT_EQ(fileio::MayReplace(st, false).code, ResultCode::ReadOnly);
  EXPECT_EQ(fileio::MayReplace(st, false).message, "Permission denied");
  st.st_mode = S_IFREG | 0444;
  EXPECT_EQ(fileio::MayReplace(st, true).code, ResultCode::ReadOnly) << "the superuser too";
  st.st_mode = S_IFREG | 0020;
  EXPECT_TRUE(fileio::MayReplace(st, true).ok);
  for (mode_t type : {S_IFIFO, S_IFCHR, S_IFBLK, S_IFDIR, S_IFSOCK}) {
    st.st_mode = type | 0666;
    EXPECT_EQ(fileio::MayReplace(st, true).code, ResultCode::NotRegular) << std::oct << type;
  }
}

TEST_F(FileTargets, ReplacedFileKeepsItsModeOwnerAndGroup) {
  if (::geteuid() != 0) GTEST_SKIP() << "only the superuser may give a file to another user";
  const std::string target = dir.File("shared.qdb");
  testkit::WriteBytes(target, kOld);
  ASSERT_EQ(::chown(target.c_str(), hardening::kNobody, hardening::kNoGroup), 0);
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  const Result r = doc->Save(target);
  ASSERT_TRUE(r.ok) << r.message;
  const struct stat st = Lstat(target);
  EXPECT_EQ(st.st_size, static_cast<off_t>(DatabaseImage::kImageSize));
  EXPECT_EQ(st.st_uid, hardening::kNobody);
  EXPECT_EQ(st.st_gid, hardening::kNoGroup);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// ---- targets that are not regular files ------------------------------------------------

// Each maker returns the path of something that is not a regular file, or "" with the
// reason it could not be made here.
struct Special {
  const char* what;
  std::function<std::string(const testkit::TempDir&, std::string& skip)> make;
  mode_t type;  // what must still be there afterwards (followed through links)
};

const std::vector<Special>& Specials() {
  static const std::vector<Special> all = {
      {"FIFO",
       [](const testkit::TempDir& d, std::string&) {
         ::mkfifo(d.File("fifo.qdb").c_str(), 0644);
         return d.File("fifo.qdb");
       },
       S_IFIFO},
      {"link to /dev/null",
       [](const testkit::TempDir& d, std::string&) {
         fs::create_symlink("/dev/null", d / "null.qdb");
         return d.File("null.qdb");
       },
       S_IFCHR},
      {"character device",
       [](const testkit::TempDir& d, std::string& skip) {
         if (::mknod(d.File("dev.qdb").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
           skip = "mknod needs the superuser";
           return std::string();
         }
         return d.File("dev.qdb");
       },
       S_IFCHR},
      {"folder",
       [](const testkit::TempDir& d, std::string&) {
         fs::create_directory(d / "folder.qdb");
         return d.File("folder.qdb");
       },
       S_IFDIR},
  };
  return all;
}

// Makes `s` in the test's folder; "" (after saying why) when it cannot be made here.
std::string Make(const Special& s, const testkit::TempDir& dir) {
  std::string skip;
  const std::string path = s.make(dir, skip);
  if (path.empty()) std::printf("  (%s: skipped, %s)\n", s.what, skip.c_str());
  return path;
}

TEST_F(FileTargets, SaveRefusesEveryTargetThatIsNotARegularFile) {
  for (const Special& s : Specials()) {
    SCOPED_TRACE(s.what);
    const std::string path = Make(s, dir);
    if (path.empty()) continue;
    const Result r = doc->Save(path);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, path + " is not a regular file");
    struct stat st{};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & S_IFMT, s.type) << "left as it was";
    EXPECT_EQ(Lstat(path).st_mode & S_IFMT, std::string(s.what).starts_with("link") ? S_IFLNK : s.type);
  }
  for (const auto& name : Names(dir.Path())) EXPECT_FALSE(name.starts_with(".")) << "temporary file " << name;
}

// Opening a FIFO that nobody writes waited for ever. Each open runs aside; if it hangs,
// a writer is attached so the test can end and report it.
TEST_F(FileTargets, OpenRefusesAtOnceWhatIsNotARegularFile) {
  const std::string good = dir.File("good.qdb");
  ASSERT_TRUE(doc->Save(good).ok);
  CQuelmarDoc reader;
  ASSERT_TRUE(reader.Open(good).ok);
  const Bytes header(reader.Header().Bytes(), reader.Header().Bytes() + 64);

  for (const Special& s : Specials()) {
    SCOPED_TRACE(s.what);
    const std::string path = Make(s, dir);
    if (path.empty()) continue;
    auto opened = std::async(std::launch::async, [&] { return reader.Open(path); });
    if (opened.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
      // A writer that comes and goes releases the waiting open, which then reads nothing.
      const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
      if (writer >= 0) ::close(writer);
      ADD_FAILURE() << "Open still waits after 5 s";
      opened.wait();
      continue;
    }
    const Result r = opened.get();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, path + " is not a regular file");
    EXPECT_EQ(Bytes(reader.Header().Bytes(), reader.Header().Bytes() + 64), header) << "document unchanged";
  }
}

// ---- names at the length limit --------------------------------------------------------------

TEST_F(FileTargets, NamesUpToTheSystemLimitSave) {
  for (std::size_t length : {249u, 255u}) {
    SCOPED_TRACE(length);
    const std::string name = std::string(length - 4, 'n') + ".qdb";
    const std::string target = dir.File(name);
    doc->SetModifiedFlag(true);
    const Result r = doc->Save(target);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(testkit::ReadBytes(target).size(), DatabaseImage::kImageSize);
    const Result again = doc->Save(target);  // and over the existing file
    EXPECT_TRUE(again.ok) << again.message;
    CQuelmarDoc reader;
    EXPECT_TRUE(reader.Open(target).ok);
    fs::remove(target);
  }
  EXPECT_EQ(dir.EntryCount(), 0u);
}

}  // namespace
