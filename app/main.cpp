// The quelmar program: the window on the receiver's channel database.
#include <QApplication>
#include <QByteArrayList>
#include <QTimer>
#include <cstdio>

#include "app/AppLanguage.h"
#include "app/AppTexts.h"
#include "app/CQuelmarApp.h"
#include "app/TestEditDriver.h"

int main(int argc, char** argv) {
  // The file name is taken from the command line's own bytes: QApplication's decoded
  // arguments replace bytes that are not UTF-8, and such a name no longer opens.
  QApplication qt(argc, argv);
  // Qt has taken its own options (-platform, -style ...) out of argv; the rest is ours.
  QByteArrayList files;
  for (int i = 1; i < argc; ++i) files << QByteArray(argv[i]);
  if (files.size() > 1) {
    std::fprintf(stderr, "%s\n", AppTexts::kUsage);
    return 2;
  }
  // The window's texts are built in the language in force from the start.
  AppLanguage::Install(AppLanguage::Wanted(AppLanguage::Chosen()));
  CQuelmarApp app;
  // A file named on the command line that cannot be opened has shown its reason;
  // the program then ends with a failure status.
  if (!app.InitInstanceNative(files)) return 1;
  // Asked over the window, once it shows; a file that waited for the answer and then
  // cannot be opened ends the program as it would have at once.
  QTimer::singleShot(0, [&app] {
    if (!app.OfferRecovery()) QCoreApplication::exit(1);
  });
  // Crash tests only (QUELMAR_TEST_EDITS); nothing otherwise.
  TestEditDriver::StartFromEnvironment(app.Doc());
  return QApplication::exec();
}
