#include "app/CRecentFileList.h"

#include <QFileInfo>
#include <QSettings>

#include "app/AppTexts.h"

namespace {

QString Key(int n) { return QString::fromLatin1(AppTexts::kRecentFileKey).arg(n); }

QString Canonical(const QString& path) {
  const QFileInfo info(path);
  return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}

}  // namespace

void CRecentFileList::Load() {
  QSettings store(QString::fromLatin1(AppTexts::kSettingsOrganization),
                  QString::fromLatin1(AppTexts::kSettingsApplication));
  store.beginGroup(QString::fromLatin1(AppTexts::kRecentFileSection));
  files_.clear();
  for (int n = 1; n <= kSize; ++n) {
    const QString path = store.value(Key(n)).toString();
    if (!path.isEmpty() && !files_.contains(path)) files_ << path;
  }
}

void CRecentFileList::Save() const {
  QSettings store(QString::fromLatin1(AppTexts::kSettingsOrganization),
                  QString::fromLatin1(AppTexts::kSettingsApplication));
  store.beginGroup(QString::fromLatin1(AppTexts::kRecentFileSection));
  for (int n = 1; n <= kSize; ++n) {
    if (n <= files_.size()) {
      store.setValue(Key(n), files_[n - 1]);
    } else {
      store.remove(Key(n));
    }
  }
}

void CRecentFileList::Add(const QString& path) {
  const QString full = Canonical(path);
  files_.removeAll(full);
  files_.prepend(full);
  while (files_.size() > kSize) files_.removeLast();
}

void CRecentFileList::Remove(const QString& path) { files_.removeAll(Canonical(path)); }
