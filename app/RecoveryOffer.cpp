#include "app/RecoveryOffer.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QUndoStack>
#include <algorithm>
#include <unistd.h>

#include "app/AppTexts.h"
#include "app/EditSteps.h"
#include "app/RecoveryChoiceDlg.h"
#include "db/document/CQuelmarDoc.h"
#include "db/document/JournalFormat.h"
#include "db/document/JournalRestore.h"
#include "db/document/RecoveryFolder.h"
#include "widgets/CoreMessages.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace {

using Texts::Q;

QString Clock(std::int64_t time) { return QDateTime::fromSecsSinceEpoch(time).toString(QStringLiteral("HH:mm")); }

// What the journal's changes belong to: "box.qdb", an untitled or a received database.
QString Target(const journal::Head& head) {
  if (head.origin == journal::Origin::File) return QFileInfo(QString::fromStdString(head.path)).fileName();
  if (head.origin == journal::Origin::Received) return Q(AppTexts::kRecoverReceived).arg(Clock(head.time));
  return Q(AppTexts::kRecoverUntitled);
}

QString Question(const journal::Contents& contents) {
  const journal::Summary s = journal::Summarize(contents);
  const QString count = s.steps == 1 ? Q(AppTexts::kOneStep) : Q(AppTexts::kSteps).arg(s.steps);
  const QString what = s.steps == 0 ? Q(AppTexts::kRecoverNoSteps).arg(Clock(s.lastTime))
                                    : Q(AppTexts::kRecoverSteps).arg(count, CoreMessages::Said(s.lastName),
                                                                     Clock(s.lastTime));
  return Q(AppTexts::kRecoverQuestion).arg(Target(contents.head), what);
}

bool Restore(QWidget* parent, const std::string& path, const journal::Contents& contents, CQuelmarDoc& doc,
             EditSteps& steps) {
  journal::Restored restored;
  // A journal that does not restore leaves the document as it was, so the window shows
  // what it would have shown without it.
  const Result done = journal::Restore(contents, doc, true, restored, [&steps] { steps.Clear(); });
  if (!done) {
    recovery::SetAside(path, false);
    Prompt::Message(parent, Q(AppTexts::kRecoverFailed).arg(CoreMessages::Said(done.message)));
    return false;
  }
  QUndoStack& stack = steps.Stack();
  stack.setIndex(stack.count() - int(restored.undo));
  // Nothing restored is in any file yet.
  stack.resetClean();
  doc.SetModifiedFlag(true);
  ::unlink(path.c_str());
  if (contents.head.origin == journal::Origin::File && !restored.sameFile)
    Prompt::Message(parent, Q(AppTexts::kRecoverFileChanged)
                                .arg(QFileInfo(QString::fromStdString(contents.head.path)).fileName()),
                    QMessageBox::Ok, QMessageBox::Information);
  if (contents.lost > 0)
    Prompt::Message(parent, Q(AppTexts::kRecoverLost).arg(contents.lost), QMessageBox::Ok, QMessageBox::Information);
  return true;
}

// Reads the journal chosen and restores it; one that cannot be read is kept apart.
bool ReadAndRestore(QWidget* parent, const std::string& path, CQuelmarDoc& doc, EditSteps& steps, bool ask) {
  journal::Contents contents;
  if (Result read = journal::Read(path, contents); !read) {
    recovery::SetAside(path, true);
    Prompt::Message(parent, Q(AppTexts::kRecoverUnreadable).arg(CoreMessages::Said(read.message)));
    return false;
  }
  if (ask && Prompt::Message(parent, Question(contents), QMessageBox::Yes | QMessageBox::No, QMessageBox::Question,
                             QMessageBox::Yes) != QMessageBox::Yes) {
    recovery::SetAside(path, false);
    return false;
  }
  return Restore(parent, path, contents, doc, steps);
}

// Several journals: one question listing them newest first, from their heads alone.
bool Choose(QWidget* parent, const std::vector<std::string>& orphans, CQuelmarDoc& doc, EditSteps& steps) {
  std::vector<std::string> listed;
  QStringList rows;
  std::vector<std::string> unreadable;
  QString firstReason;
  for (auto it = orphans.rbegin(); it != orphans.rend(); ++it) {
    journal::Head head;
    if (Result peeked = journal::Peek(*it, head); !peeked) {
      if (firstReason.isEmpty()) firstReason = CoreMessages::Said(peeked.message);
      unreadable.push_back(*it);
      continue;
    }
    const QDateTime written = QFileInfo(QString::fromStdString(*it)).lastModified();
    rows << Q(AppTexts::kRecoverChoiceRow).arg(Target(head), QLocale().toString(written, QLocale::ShortFormat));
    listed.push_back(*it);
  }
  for (const std::string& path : unreadable) recovery::SetAside(path, true);
  if (!unreadable.empty())
    Prompt::Message(parent, Q(AppTexts::kRecoverUnreadableMany).arg(unreadable.size()).arg(firstReason));
  if (listed.size() <= 1) return !listed.empty() && ReadAndRestore(parent, listed.front(), doc, steps, true);

  RecoveryChoiceDlg dlg(rows, parent);
  if (Prompt::Exec(dlg) != QDialog::Accepted) return false;
  const int chosen = dlg.Chosen();
  std::vector<std::string> aside;
  for (int i = 0; i < int(listed.size()); ++i)
    if (i != chosen) aside.push_back(listed[std::size_t(i)]);
  recovery::SetAside(aside);
  return chosen >= 0 && ReadAndRestore(parent, listed[std::size_t(chosen)], doc, steps, false);
}

}  // namespace

namespace RecoveryOffer {

bool Run(QWidget* parent, CQuelmarDoc& doc, EditSteps& steps) {
  const std::vector<std::string> orphans = recovery::Orphans(recovery::Folder());
  if (orphans.empty()) return false;
  if (orphans.size() == 1) return ReadAndRestore(parent, orphans.front(), doc, steps, true);
  return Choose(parent, orphans, doc, steps);
}

}  // namespace RecoveryOffer
