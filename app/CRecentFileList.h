#pragma once
// The four most recently used document files, kept in the per-user settings store.
#include <QString>
#include <QStringList>

class CRecentFileList {
 public:
  static constexpr int kSize = 4;

  // Reads "Recent File List"/File1..File4; missing or empty entries are skipped.
  void Load();
  // Writes the list back, removing the keys of entries no longer held.
  void Save() const;

  // Puts a file at the top; an entry naming the same file moves up instead.
  void Add(const QString& path);
  void Remove(const QString& path);

  const QStringList& Files() const { return files_; }

 private:
  QStringList files_;
};
