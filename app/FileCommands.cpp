#include "app/FileCommands.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <optional>

#include "app/AppTexts.h"
#include "app/CMainSheet.h"
#include "app/CQuelmarView.h"
#include "app/CReceivedDlg.h"
#include "app/CRecentFileList.h"
#include "app/EditSteps.h"
#include "app/OpenFindings.h"
#include "app/VariantOffer.h"
#include "db/document/CQuelmarDoc.h"
#include "db/document/DbTexts.h"
#include "db/document/ReceivedImages.h"
#include "widgets/CommandAction.h"
#include "widgets/CoreMessages.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

using Texts::Q;

namespace {
QString Shown(const std::string& nativeText) { return QFile::decodeName(QByteArray::fromStdString(nativeText)); }
}  // namespace

FileCommands::FileCommands(const Parts& parts, QWidget& window)
    : QObject(&window), parts_(parts), window_(window), title_(Q(AppTexts::kUntitled)) {
  using namespace AppTexts;
  using CommandAction::Make;
  FileActions& a = actions_;
  // New has no menu item; Ctrl+N reaches it through the window.
  a.fileNew = Make(*this, "fileNew", Q(kUntitled), [this] { OnFileNew(); });
  a.fileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  window_.addAction(a.fileNew);
  a.open = Make(*this, "fileOpen", Q(kMenuOpen), [this] { OnFileOpen(); }, Q(kPromptOpen));
  a.open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  a.openReceived =
      Make(*this, "openReceived", Q(kMenuOpenReceived), [this] { OnOpenReceived(); }, Q(kPromptOpenReceived));
  a.save = Make(*this, "fileSave", Q(kMenuSave), [this] { OnFileSave(false); }, Q(kPromptSave));
  a.save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  // The "Crtl+A" shown beside Save As is only text; no key is bound to it.
  a.saveAs = Make(*this, "fileSaveAs", Q(kMenuSaveAs), [this] { OnFileSave(true); }, Q(kPromptSaveAs));
  a.close = Make(*this, "fileClose", Q(kMenuClose), [this] { OnFileClose(); });
  a.recentPlace = new QAction(Q(kMenuRecentFile), this);
  a.recentPlace->setObjectName(QStringLiteral("recentFile"));
  for (int i = 0; i < CRecentFileList::kSize; ++i) {
    QAction* recent = Make(*this, "", QString(), [this, i] { OnRecentFile(i); }, Q(kPromptRecent));
    recent->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
    recent->setVisible(false);
    a.recent << recent;
  }
  UpdateRecentFileMenu();
}

void FileCommands::UpdateRecentFileMenu() {
  const QStringList& files = parts_.recent.Files();
  actions_.recentPlace->setVisible(files.isEmpty());
  actions_.recentPlace->setEnabled(false);
  for (int i = 0; i < actions_.recent.size(); ++i) {
    QAction* a = actions_.recent[i];
    if (i < files.size()) {
      // A "&" in a path is shown, not taken as the entry's keyboard mnemonic.
      QString shown = QDir::toNativeSeparators(files[i]);
      shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
      a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
      a->setVisible(true);
    } else {
      a->setVisible(false);
    }
  }
}

bool FileCommands::SaveModified() {
  if (!parts_.view.ResolveInfoEdits()) return false;
  if (!parts_.doc.IsModified()) return true;
  const QString name = title_.isEmpty() ? Q(AppTexts::kUntitled) : title_;
  switch (Prompt::Message(&window_, Q(AppTexts::kSaveChanges).arg(name),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Warning)) {
    case QMessageBox::Yes: return OnFileSave(false);
    case QMessageBox::No: return true;
    default: return false;
  }
}

void FileCommands::OnFileNew() {
  if (!SaveModified()) return;
  // The database, its variant and the sheet stay as they are; only the file goes, and
  // with it what was new to a reference applied before.
  DocumentWithoutFile();
  parts_.doc.SetModifiedFlag(false);
  if (!parts_.doc.Marks().Empty()) {
    parts_.doc.Marks().Clear();
    if (CMainSheet* sheet = parts_.view.Sheet()) sheet->GroupChPage()->RefreshPage();
  }
}

void FileCommands::DocumentWithoutFile() {
  parts_.doc.ForgetFile();
  parts_.steps.Clear();
  ShowIdentity();
}

QString FileCommands::Path() const { return QFile::decodeName(QByteArray::fromStdString(parts_.doc.FilePath())); }

void FileCommands::ShowIdentity() {
  // The file system's own bytes name the file; the window shows them decoded.
  const std::string& path = parts_.doc.FilePath();
  title_ = path.empty() ? Q(AppTexts::kUntitled)
                        : QFile::decodeName(QByteArray::fromStdString(std::filesystem::path(path).filename().string()));
  emit TitleChanged();
}

void FileCommands::OnFileOpen() {
  if (!SaveModified()) return;
  const QString path = Prompt::OpenFileName(&window_, Q(AppTexts::kOpenCaption), Q(AppTexts::kFileFilter));
  if (path.isEmpty()) return;
  OpenDocumentFile(path);
}

// After a successful open or save the document is that file: unmodified, titled by
// its name and first in the recent-file list.
void FileCommands::DocumentNowAt() {
  parts_.doc.SetModifiedFlag(false);
  ShowIdentity();
  parts_.recent.Add(Path());
  UpdateRecentFileMenu();
}

void FileCommands::DocumentRestored() { ShowIdentity(); }

bool FileCommands::OpenDocumentFile(const QString& path) { return OpenNativeFile(QFile::encodeName(path)); }

bool FileCommands::OpenNativeFile(const QByteArray& nativePath) {
  // What check would call wrong with the file itself is asked about before it opens.
  if (!OpenFindings::Accepted(&window_, nativePath.toStdString(), parts_.doc.GetDbType())) return false;
  CQuelmarDoc& doc = parts_.doc;
  const Result result = doc.Open(nativePath.toStdString());
  if (!result) {
    Prompt::Message(&window_, CoreMessages::Said(Shown(result.message)));
    return false;
  }
  // Laid out for another receiver variant: read again under it when the user agrees.
  // Should that fail (the file changed in between), the document still holds the file,
  // with its variant, as first read.
  if (const std::optional<int> other = parts_.variants.OfferForFile(nativePath.toStdString()))
    doc.Open(nativePath.toStdString(), *other);
  DocumentNowAt();
  return true;
}

void FileCommands::OnRecentFile(int index) {
  const QStringList& files = parts_.recent.Files();
  if (index < 0 || index >= files.size()) return;
  const QString path = files[index];
  if (!SaveModified()) return;
  // A file that no longer opens leaves the list, so it is not offered again.
  if (!OpenDocumentFile(path)) {
    parts_.recent.Remove(path);
    UpdateRecentFileMenu();
  }
}

bool FileCommands::OnFileSave(bool askName) {
  if (!parts_.view.ResolveInfoEdits()) return false;
  CQuelmarDoc& doc = parts_.doc;
  // Nothing has been loaded yet: there is no database to write.
  if (!doc.HasData()) {
    Prompt::Message(&window_, Q(DbTexts::kNothingToSave));
    return false;
  }
  QByteArray target = QByteArray::fromStdString(doc.FilePath());
  if (askName || target.isEmpty()) {
    // A closed document keeps its file's title, which already ends in the extension.
    QString proposed = Path();
    if (proposed.isEmpty()) {
      proposed = title_;
      if (!proposed.endsWith(Q(AppTexts::kFileExtension), Qt::CaseInsensitive)) {
        proposed += Q(AppTexts::kFileExtension);
      }
    }
    QString path =
        Prompt::SaveFileName(&window_, Q(AppTexts::kSaveAsCaption), proposed, Q(AppTexts::kFileFilter));
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += Q(AppTexts::kFileExtension);
    target = QFile::encodeName(path);
  }
  Result result = doc.Save(target.toStdString());
  if (result.Is(ResultCode::ChangedOnDisk)) {
    // Another program wrote the file since it was opened: overwrite only when asked to.
    if (Prompt::Message(&window_, CoreMessages::Said(result.message), QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::Warning, QMessageBox::No) != QMessageBox::Yes)
      return false;
    result = doc.Save(target.toStdString(), true);
  }
  if (!result) {
    Prompt::Message(&window_, CoreMessages::Said(Shown(result.message)));
    return false;
  }
  DocumentNowAt();
  parts_.steps.MarkSaved();
  if (!result.notice.empty()) emit Notice(CoreMessages::Said(Shown(result.notice)));
  return true;
}

void FileCommands::OnOpenReceived() {
  if (!SaveModified()) return;
  CReceivedDlg dlg(received::Folder(), &window_);
  if (Prompt::Exec(dlg) != QDialog::Accepted || dlg.ChosenPath().empty()) return;
  const Result result = parts_.doc.Open(dlg.ChosenPath());
  if (!result) {
    Prompt::Message(&window_, CoreMessages::Said(Shown(result.message)));
    return;
  }
  // Read under the variant it came in, as a file is.
  if (const std::optional<int> other = parts_.variants.OfferForFile(dlg.ChosenPath()))
    parts_.doc.Open(dlg.ChosenPath(), *other);
  // A copy to start from, not a file to write back into: saving asks for a name.
  DocumentWithoutFile();
  parts_.doc.SetModifiedFlag(false);
}

void FileCommands::OnFileClose() {
  if (!SaveModified()) return;
  parts_.view.RemoveSheet();
  // The title stays; the database and hasData stay too, so Send and Save still work.
  parts_.doc.ForgetFile();
  parts_.doc.SetModifiedFlag(false);
  // With no pages to show it, nothing is taken back.
  parts_.steps.Clear();
}
