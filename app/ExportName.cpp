#include "app/ExportName.h"

#include <QDir>
#include <QFileInfo>

namespace exportname {

QString Proposed(const QString& documentPath, const QString& title, const QString& extension) {
  const QDir folder = documentPath.isEmpty() ? QDir::current() : QFileInfo(documentPath).absoluteDir();
  const QString base = QFileInfo(documentPath.isEmpty() ? title : documentPath).completeBaseName();
  const QString suffix = QLatin1Char('.') + extension;
  QString name = folder.absoluteFilePath(base + suffix);
  for (int n = 2; QFileInfo::exists(name); ++n)
    name = folder.absoluteFilePath(base + QLatin1Char('-') + QString::number(n) + suffix);
  return name;
}

}  // namespace exportname
