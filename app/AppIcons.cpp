#include "app/AppIcons.h"

namespace AppIcons {

QIcon Application() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/quelmar-%1.png").arg(size), QSize(size, size));
  return icon;
}

QIcon Toolbar(const QString& name) {
  // Both files are named, so the sharp one is there whatever the scale was when the
  // icon was made.
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/%1.png").arg(name));
  icon.addFile(QStringLiteral(":/icons/%1@2x.png").arg(name));
  return icon;
}

}  // namespace AppIcons
