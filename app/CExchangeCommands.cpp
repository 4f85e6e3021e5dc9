#include "app/CExchangeCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

#include "app/CMainFrame.h"
#include "app/CMainSheet.h"
#include "app/CQuelmarApp.h"
#include "app/CQuelmarView.h"
#include "app/ExportName.h"
#include "app/RecordLocator.h"
#include "db/ChannelCsv.h"
#include "db/DatabaseCheck.h"
#include "db/DatabaseDiff.h"
#include "db/DatabaseImage.h"
#include "db/DatabaseOperations.h"
#include "db/DbType.h"
#include "db/DuplicateReport.h"
#include "db/ExchangeInput.h"
#include "db/FileIo.h"
#include "db/ImageJson.h"
#include "db/ReferenceList.h"
#include "db/VariantDetection.h"
#include "ui/CApplyListDlg.h"
#include "ui/CCheckDatabaseDlg.h"
#include "ui/StepTexts.h"
#include "ui/CCompareDlg.h"
#include "ui/CFindDuplicatesDlg.h"
#include "ui/CPageGroupCh.h"
#include "ui/CPageSatTP.h"
#include "ui/DuplicateTexts.h"
#include "ui/ExchangeDialogTexts.h"
#include "widgets/CommandIds.h"
#include "widgets/Prompt.h"

namespace T = ExchangeDialogTexts;

namespace {

// These texts are UTF-8 (the menu items' ellipsis).
QString U(const char* text) { return QString::fromUtf8(text); }
QString U(const std::string& text) { return QString::fromStdString(text); }
// A name as the file system holds it, shown.
QString Shown(const std::string& nativePath) { return QFile::decodeName(QByteArray::fromStdString(nativePath)); }
std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }

// A report longer than a message box can show is cut, saying how much was left out.
constexpr int kMaxReportLines = 20;

std::optional<std::uint32_t> ExtraWordOf(const CQuelmarDoc& doc) {
  if (const ExtraBlock* extra = doc.StoredExtra()) return extra->ExtraWord();
  return std::nullopt;
}

}  // namespace

CExchangeCommands::CExchangeCommands(CQuelmarApp& app, CMainFrame& frame)
    : QObject(&frame), app_(app), frame_(frame) {
  // A new sheet means a new database: the problems listed are no longer its own.
  connect(frame_.View(), &CQuelmarView::SheetBuilt, this, [this] {
    if (checkDialog_) checkDialog_->close();
  });
}

bool CExchangeCommands::OnCommand(int commandId) {
  switch (commandId) {
    case CommandId::kCheckDatabase: OnCheckDatabase(); return true;
    case CommandId::kFindDuplicates: OnFindDuplicates(); return true;
    case CommandId::kCompareWith: OnCompareWith(); return true;
    case CommandId::kExport: OnExport(); return true;
    case CommandId::kImport: OnImport(); return true;
    default: return false;
  }
}

// ---- the check ------------------------------------------------------------------------

void CExchangeCommands::OnCheckDatabase() {
  CQuelmarDoc& doc = app_.Doc();
  if (!doc.HasData()) {
    Prompt::Message(&frame_, U(T::kNothingToCheck), QMessageBox::Ok, QMessageBox::Information);
    return;
  }
  if (checkDialog_) checkDialog_->close();
  // Not modal: the user works on the pages while the list shows where to look.
  auto* dlg = new CCheckDatabaseDlg(dbcheck::CheckDocument(doc.Header().Bytes(), doc.Working(), doc.GetDbType()),
                                    [this](const Problem& p) { ShowProblem(p); }, &frame_);
  dlg->setAttribute(Qt::WA_DeleteOnClose);
  checkDialog_ = dlg;
  dlg->show();
}

void CExchangeCommands::ShowProblem(const Problem& problem) {
  CMainSheet* sheet = frame_.View()->Sheet();
  if (sheet && recordlocator::Show(*sheet, app_.Doc().Working(), problem)) return;
  Prompt::Message(checkDialog_ ? static_cast<QWidget*>(checkDialog_.data()) : &frame_, U(T::kNoRowToShow),
                  QMessageBox::Ok, QMessageBox::Information);
}

void CExchangeCommands::OnFindDuplicates() {
  CQuelmarDoc& doc = app_.Doc();
  if (!doc.HasData()) {
    Prompt::Message(&frame_, U(T::kNothingToCheck), QMessageBox::Ok, QMessageBox::Information);
    return;
  }
  const dbops::DuplicateReport report = dbops::FindDuplicateReport(doc.Working());
  if (report.duplicates.empty() && report.sameName.empty()) {
    Prompt::Message(&frame_, U(DuplicateTexts::kNoDuplicates), QMessageBox::Ok, QMessageBox::Information);
    return;
  }
  // Modal: the sets shown stay those of the database until the user is done.
  CFindDuplicatesDlg dlg(doc, &frame_);
  Prompt::Exec(dlg);
}

bool CExchangeCommands::ConfirmSend() {
  const CQuelmarDoc& doc = app_.Doc();
  const int errors = dbcheck::CheckDatabase(doc.Working(), doc.GetDbType()).Errors();
  if (errors == 0) return true;
  return Prompt::Message(&frame_, U(T::kSendWithErrors).arg(errors), QMessageBox::Yes | QMessageBox::No,
                         QMessageBox::Warning, QMessageBox::No) == QMessageBox::Yes;
}

// ---- variants ----------------------------------------------------------------------------

bool CExchangeCommands::OfferOtherVariant(const std::uint8_t* image) {
  const int inForce = app_.Doc().GetDbType();
  const variant::Detection d = variant::Detect(image, inForce);
  if (!d.Mismatch()) return false;
  const QString current = U(dbtype::kNames[inForce]);
  const int suggestion = d.Suggestion();
  if (suggestion < 0) {
    Prompt::Message(&frame_, U(T::kOtherVariants).arg(current, U(variant::TypeNames(d.candidates))),
                    QMessageBox::Ok, QMessageBox::Information);
    return false;
  }
  if (Prompt::Message(&frame_, U(T::kOtherVariant).arg(current, U(dbtype::kNames[suggestion])),
                      QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::Yes) != QMessageBox::Yes)
    return false;
  SwitchDbType(suggestion);
  return true;
}

bool CExchangeCommands::OfferOtherVariantOfFile(const std::string& nativePath) {
  std::vector<std::uint8_t> image;
  if (!fileio::ReadPrefix(nativePath, DatabaseImage::kImageSize, image).ok ||
      image.size() < DatabaseImage::kImageSize)
    return false;
  return OfferOtherVariant(image.data());
}

void CExchangeCommands::SwitchDbType(int dbType) {
  LinkSettings settings = app_.Settings();
  settings.dbType = dbType;
  app_.SetSettings(settings);
}

// ---- compare ------------------------------------------------------------------------------

void CExchangeCommands::OnCompareWith() {
  CQuelmarDoc& doc = app_.Doc();
  if (!doc.HasData()) {
    Prompt::Message(&frame_, U(T::kNothingToCompare), QMessageBox::Ok, QMessageBox::Information);
    return;
  }
  const QString path = Prompt::OpenFileName(&frame_, U(T::kCompareOpenCaption), U(T::kCompareFilter));
  if (path.isEmpty()) return;
  // The file is read as Open reads it, under the DbType in force, and refused alike.
  CQuelmarDoc other;
  other.SetDbType(doc.GetDbType());
  const Result opened = other.Open(Native(path));
  if (!opened) {
    Prompt::Message(&frame_, Shown(opened.message));
    return;
  }
  // What changed since that file: the file is the old side, so a program deleted since
  // reads as removed, not as added.
  const dbdiff::Result result =
      dbdiff::Compare(dbdiff::Side::FromDatabase(other.Header(), other.Working(), ExtraWordOf(other)),
                      dbdiff::Side::FromDatabase(doc.Header(), doc.Working(), ExtraWordOf(doc)));
  CCompareDlg dlg(result, QFileInfo(path).fileName(), &frame_);
  Prompt::Exec(dlg);
}

// ---- export --------------------------------------------------------------------------------

void CExchangeCommands::OnExport() {
  CQuelmarDoc& doc = app_.Doc();
  if (!doc.HasData()) {
    Prompt::Message(&frame_, U(T::kNothingToExport));
    return;
  }
  const QString proposed = exportname::Proposed(frame_.DocumentPath(), frame_.DocumentTitle(), U(T::kJsonExtension));
  QString path = Prompt::SaveFileName(&frame_, U(T::kExportCaption), proposed, U(T::kExportFilter));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + U(T::kJsonExtension);
  // The name's extension picks the format; anything but .csv is the lossless JSON.
  std::string text;
  if (QFileInfo(path).suffix().compare(U(T::kCsvExtension), Qt::CaseInsensitive) == 0) {
    text = channelcsv::Export(doc.Working(), doc.GetDbType());
  } else {
    std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
    if (doc.BuildImage(image.data()) == 0) {
      Prompt::Message(&frame_, U(T::kNothingToExport));
      return;
    }
    text = imagejson::Dump(imagejson::Export(image.data(), doc.GetDbType()));
  }
  const std::string target = Native(path);
  if (!doc.FilePath().empty() && fileio::SameExistingFile(target, doc.FilePath())) {
    Prompt::Message(&frame_, U(T::kExportOverOpenFile).arg(path));
    return;
  }
  const Result w =
      fileio::WriteAtomically(target, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  if (!w.ok) {
    Prompt::Message(&frame_, Shown(fileio::Describe(w, target, T::kCannotWrite)));
    return;
  }
  frame_.ShowNotice(U(T::kExported).arg(dbops::CountPrograms(doc.Working())).arg(QDir::toNativeSeparators(path)));
}

// ---- import --------------------------------------------------------------------------------

void CExchangeCommands::OnImport() {
  const QString path = Prompt::OpenFileName(&frame_, U(T::kImportCaption), U(T::kImportFilter));
  if (path.isEmpty()) return;
  exchangeinput::Input input;
  if (const auto why = exchangeinput::Open(Native(path), input)) {
    Prompt::Message(&frame_, Shown(*why));
    return;
  }
  if (input.Guess() == exchangeinput::Format::Json) {
    ImportJson(path, input);
  } else {
    ImportCsv(path, input);
  }
}

void CExchangeCommands::ImportJson(const QString& path, exchangeinput::Input& input) {
  const QString name = QFileInfo(path).fileName();
  imagejson::Json json;
  imagejson::Imported imported;
  auto refusal = imagejson::Parse(input.Stream(), json);
  if (!refusal) refusal = imagejson::Import(json, imported);
  // What the document would refuse is refused here, before any question or setting.
  if (!refusal)
    if (const Result fits = CQuelmarDoc::CheckWholeImage(imported.image.data(), imported.image.size()); !fits)
      refusal = JsonRefusal{"$.header", fits.message};
  if (refusal) {
    Prompt::Message(&frame_, U(T::kImportRefused).arg(name, U(refusal->Message())));
    return;
  }
  // The export replaces the document, as opening a file does.
  if (!frame_.SaveModified()) return;
  CQuelmarDoc& doc = app_.Doc();
  const LinkSettings before = app_.Settings();
  if (imported.dbType != doc.GetDbType()) {
    // Read under another layout the image would show nonsense.
    if (Prompt::Message(&frame_,
                        U(T::kImportOtherType)
                            .arg(name, U(dbtype::kNames[imported.dbType]), U(dbtype::kNames[doc.GetDbType()])),
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::Yes) != QMessageBox::Yes)
      return;
    SwitchDbType(imported.dbType);
  }
  const Result loaded = doc.LoadWholeImage(imported.image.data(), imported.image.size());
  if (!loaded) {
    // The setting goes back with the document: the next save must lay out what is open
    // as it was read.
    app_.SetSettings(before);
    Prompt::Message(&frame_, U(T::kImportRefused).arg(name, U(loaded.message)));
    return;
  }
  // In no file yet: Save asks for a name.
  frame_.DocumentWithoutFile();
  doc.SetModifiedFlag(true);
}

void CExchangeCommands::ImportCsv(const QString& path, exchangeinput::Input& input) {
  const QString name = QFileInfo(path).fileName();
  CQuelmarDoc& doc = app_.Doc();
  if (!doc.HasData()) {
    Prompt::Message(&frame_, U(T::kNothingToApply));
    return;
  }
  std::vector<channelcsv::Row> rows;
  if (const auto refusal = channelcsv::Read(input.Stream(), rows)) {
    Prompt::Message(&frame_, U(T::kImportRefused).arg(name, U(refusal->Message())));
    return;
  }
  CApplyListDlg ask(name, static_cast<int>(rows.size()), &frame_);
  if (Prompt::Exec(ask) != QDialog::Accepted) return;
  const reflist::Options options{ask.TakeNames()};
  // One edit of the working database, so it is one step to undo, named after the file.
  // The pages hear of it from the document and show the new lists.
  const reflist::Report report =
      doc.Apply({U(StepTexts::kImportList).arg(name).toStdString()}, reflist::Apply, rows, options);
  doc.SetModifiedFlag(true);

  QStringList lines;
  for (const std::string& line : reflist::Describe(report)) lines << U(line);
  if (lines.size() > kMaxReportLines) {
    const qsizetype more = lines.size() - kMaxReportLines;
    lines.resize(kMaxReportLines);
    lines << U(T::kImportReportMore).arg(more);
  }
  Prompt::Message(&frame_, lines.join(QLatin1Char('\n')), QMessageBox::Ok,
                  report.AllMatched() ? QMessageBox::Information : QMessageBox::Warning);
}
