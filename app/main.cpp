// The quelmar program: the window on the receiver's channel database.
#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "app/AppTexts.h"
#include "app/CQuelmarApp.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  QStringList files = QApplication::arguments();
  files.removeFirst();
  if (files.size() > 1) {
    std::fprintf(stderr, "%s\n", AppTexts::kUsage);
    return 2;
  }
  CQuelmarApp app;
  // A file named on the command line that cannot be opened has shown its reason;
  // the program then ends with a failure status.
  if (!app.InitInstance(files)) return 1;
  return QApplication::exec();
}
