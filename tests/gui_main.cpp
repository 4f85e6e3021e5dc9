// Entry point of the window test programs: one QApplication for all tests, every
// modal question answered by the test script instead of blocking.
#include <gtest/gtest.h>

#include <QApplication>

#include "widgets/AccessibleTree.h"
#include "widgets/Prompt.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                   : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  Prompt::SetScripted(true);
  AccessibleTree::Install();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
