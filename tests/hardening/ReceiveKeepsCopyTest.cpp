// quelmar-cli receive keeps an exact copy of each received image in the user's data
// folder unless told --no-keep; a copy that cannot be kept is said on stderr and the
// receive still succeeds.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <optional>

#include "db/document/CQuelmarDoc.h"
#include "db/document/ReceivedImages.h"
#include "support/SampleDocs.h"
#include "support/Stbsim.h"
#include "support/Subprocess.h"
#include "support/TempDir.h"

namespace {

struct DataHome {
  explicit DataHome(const std::string& path) {
    if (const char* was = std::getenv("XDG_DATA_HOME")) saved = was;
    ::setenv("XDG_DATA_HOME", path.c_str(), 1);
  }
  ~DataHome() {
    if (saved) {
      ::setenv("XDG_DATA_HOME", saved->c_str(), 1);
    } else {
      ::unsetenv("XDG_DATA_HOME");
    }
  }
  std::optional<std::string> saved;
};

testkit::Finished Receive(const std::string& served, const std::string& out, bool keep) {
  testkit::Stbsim sim({"serve", served, "--quiet", "--timeout", "60"});
  EXPECT_TRUE(sim.Ready());
  std::vector<std::string> args{testkit::BinaryPath("quelmar-cli"), "receive", "--port", sim.Device()};
  if (!keep) args.push_back("--no-keep");
  args.push_back(out);
  const testkit::Finished f = testkit::Run(args);
  EXPECT_EQ(sim.Wait(), 0);
  return f;
}

}  // namespace

TEST(ReceiveKeepsCopy, CliKeepsEachReceivedImageUnlessTold) {
  testkit::TempDir dir;
  const std::string served = dir.File("served.qdb");
  ASSERT_TRUE(testkit::SampleDocument()->Save(served).ok);
  const DataHome home(dir.File("data"));
  const std::string folder = dir.File("data/Quelmar/received");

  const testkit::Finished kept = Receive(served, dir.File("a.qdb"), true);
  ASSERT_EQ(kept.status, 0) << kept.err;
  const auto list = received::List(folder);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(testkit::ReadBytes(list[0].path), testkit::ReadBytes(served));

  const testkit::Finished skipped = Receive(served, dir.File("b.qdb"), false);
  ASSERT_EQ(skipped.status, 0) << skipped.err;
  EXPECT_EQ(received::List(folder).size(), 1u) << "--no-keep keeps nothing";

  // A file where the data folder should be: said, and the receive still succeeds.
  testkit::WriteBytes(dir.File("blocked"), {1});
  const DataHome blocked(dir.File("blocked"));
  const testkit::Finished unkept = Receive(served, dir.File("c.qdb"), true);
  EXPECT_EQ(unkept.status, 0) << unkept.err;
  EXPECT_NE(unkept.err.find("Cannot keep a copy of the received image"), std::string::npos) << unkept.err;
  EXPECT_EQ(testkit::ReadBytes(dir.File("c.qdb")), testkit::ReadBytes(served));
}
