#pragma once
// quelmar-cli run as a separate process with these arguments, its files in a folder of
// the test's own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Subprocess.h"
#include "support/TempDir.h"

class CliTest : public ::testing::Test {
 protected:
  testkit::TempDir dir;

  static testkit::Finished Cmd(std::vector<std::string> args) {
    args.insert(args.begin(), testkit::BinaryPath("quelmar-cli"));
    return testkit::Run(args);
  }
  std::string F(const std::string& name) const { return dir.File(name); }
};
