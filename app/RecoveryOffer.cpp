#include "app/RecoveryOffer.h"

#include <QDateTime>
#include <QFileInfo>
#include <QUndoStack>
#include <unistd.h>

#include "app/AppTexts.h"
#include "app/EditSteps.h"
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

QString Question(const journal::Contents& contents) {
  const journal::Head& head = contents.head;
  QString target = Q(AppTexts::kRecoverUntitled);
  if (head.origin == journal::Origin::File)
    target = QFileInfo(QString::fromStdString(head.path)).fileName();
  else if (head.origin == journal::Origin::Received)
    target = Q(AppTexts::kRecoverReceived).arg(Clock(head.time));
  const journal::Summary s = journal::Summarize(contents);
  const QString count = s.steps == 1 ? Q(AppTexts::kOneStep) : Q(AppTexts::kSteps).arg(s.steps);
  const QString what = s.steps == 0 ? Q(AppTexts::kRecoverNoSteps).arg(Clock(s.lastTime))
                                    : Q(AppTexts::kRecoverSteps).arg(count, CoreMessages::Said(s.lastName),
                                                                     Clock(s.lastTime));
  return Q(AppTexts::kRecoverQuestion).arg(target, what);
}

bool Restore(QWidget* parent, const std::string& path, const journal::Contents& contents, CQuelmarDoc& doc,
             EditSteps& steps) {
  journal::Restored restored;
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

}  // namespace

namespace RecoveryOffer {

bool Run(QWidget* parent, CQuelmarDoc& doc, EditSteps& steps) {
  for (const std::string& path : recovery::Orphans(recovery::Folder())) {
    journal::Contents contents;
    if (Result read = journal::Read(path, contents); !read) {
      recovery::SetAside(path, true);
      Prompt::Message(parent, Q(AppTexts::kRecoverUnreadable).arg(CoreMessages::Said(read.message)));
      continue;
    }
    const auto answer = Prompt::Message(parent, Question(contents), QMessageBox::Yes | QMessageBox::No,
                                        QMessageBox::Question, QMessageBox::Yes);
    if (answer != QMessageBox::Yes) {
      recovery::SetAside(path, false);
      continue;
    }
    // One document per window: the other journals wait for the next start.
    return Restore(parent, path, contents, doc, steps);
  }
  return false;
}

}  // namespace RecoveryOffer
