#include "app/CExchangeCommands.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

#include "app/AppTexts.h"
#include "app/CMainSheet.h"
#include "app/CQuelmarView.h"
#include "app/ExportName.h"
#include "app/FileCommands.h"
#include "app/RecordLocator.h"
#include "db/document/CQuelmarDoc.h"
#include "db/document/FileIo.h"
#include "db/exchange/ChannelCsv.h"
#include "db/exchange/DatabaseCheck.h"
#include "db/exchange/DatabaseDiff.h"
#include "db/exchange/ExchangeInput.h"
#include "db/exchange/ImageJson.h"
#include "db/exchange/ProgramDiff.h"
#include "db/exchange/ReferenceList.h"
#include "db/exchange/ReferenceOrder.h"
#include "db/image/DatabaseImage.h"
#include "db/image/VariantDetection.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/DuplicateReport.h"
#include "db/records/DbType.h"
#include "ui/StepTexts.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/satellites/CPageSatTP.h"
#include "ui/tools/CApplyListDlg.h"
#include "ui/tools/CApplyOrderDlg.h"
#include "ui/tools/CCheckDatabaseDlg.h"
#include "ui/tools/CCompareDlg.h"
#include "ui/tools/CFindDuplicatesDlg.h"
#include "ui/tools/DuplicateTexts.h"
#include "ui/tools/ExchangeDialogTexts.h"
#include "widgets/CommandAction.h"
#include "widgets/CoreMessages.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace T = ExchangeDialogTexts;

namespace {

// These texts are UTF-8 (the menu items' ellipsis).
QString U(const char* text) { return Texts::U(text); }
// A name as the file system holds it, shown.
QString Shown(const std::string& nativePath) { return QFile::decodeName(QByteArray::fromStdString(nativePath)); }
std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }

// A report longer than a message box can show is cut, saying how much was left out.
constexpr int kMaxReportLines = 20;

std::optional<std::uint32_t> ExtraWordOf(const CQuelmarDoc& doc) {
  if (const ExtraBlock* extra = doc.StoredExtra()) return extra->ExtraWord();
  return std::nullopt;
}

// Another database file read beside the document, as Open reads it and refused alike;
// the document and its settings stay as they are.
Result ReadOther(const QString& path, int dbType, CQuelmarDoc& other) {
  other.SetDbType(dbType);
  return other.Open(Native(path));
}

// The DbType a reference database is read under (variant::ReadAs).
int ReferenceType(const QString& path, int inForce) {
  std::vector<std::uint8_t> image;
  if (!fileio::ReadPrefix(Native(path), DatabaseImage::kImageSize, image).ok ||
      image.size() < DatabaseImage::kImageSize)
    return inForce;  // Open says why
  return variant::ReadAs(image.data(), inForce);
}

// Whether the document gave a change notice while it lived.
class NoticeHeard : public DocListener {
 public:
  explicit NoticeHeard(CQuelmarDoc& doc) : doc_(doc) { doc_.Listen(this); }
  ~NoticeHeard() { doc_.Unlisten(this); }
  NoticeHeard(const NoticeHeard&) = delete;
  NoticeHeard& operator=(const NoticeHeard&) = delete;
  void OnDocChanged(const DocChange&) override { heard = true; }
  bool heard = false;

 private:
  CQuelmarDoc& doc_;
};

}  // namespace

CExchangeCommands::CExchangeCommands(const Parts& parts, QWidget& window)
    : QObject(&window), parts_(parts), window_(window) {
  using CommandAction::Make;
  // UTF-8: the ellipsis.
  actions_.checkDatabase = Make(*this, "checkDatabase", U(T::kMenuCheckDatabase), [this] { OnCheckDatabase(); });
  actions_.findDuplicates =
      Make(*this, "findDuplicates", U(DuplicateTexts::kMenuFindDuplicates), [this] { OnFindDuplicates(); });
  actions_.compareWith = Make(*this, "compareWith", U(T::kMenuCompareWith), [this] { OnCompareWith(); });
  actions_.exportFile = Make(*this, "exportFile", U(T::kMenuExport), [this] { OnExport(); });
  actions_.importFile = Make(*this, "importFile", U(T::kMenuImport), [this] { OnImport(); });
  actions_.applyOrder = Make(*this, "applyOrder", U(T::kMenuApplyOrder), [this] { OnApplyOrder(); });
  // A new sheet means a new database: the problems listed are no longer its own.
  connect(&parts_.view, &CQuelmarView::SheetBuilt, this, [this] {
    if (checkDialog_) checkDialog_->close();
  });
}

// ---- the check ------------------------------------------------------------------------

void CExchangeCommands::OnCheckDatabase() {
  CQuelmarDoc& doc = parts_.doc;
  if (!doc.HasData()) {
    Prompt::Message(&window_, U(T::kNothingToCheck), QMessageBox::Ok, QMessageBox::Information);
    return;
  }
  if (checkDialog_) checkDialog_->close();
  // Not modal: the user works on the pages while the list shows where to look.
  auto* dlg = new CCheckDatabaseDlg(dbcheck::CheckDocument(doc.Header().Bytes(), doc.Working(), doc.GetDbType()),
                                    [this](const Problem& p) { ShowProblem(p); }, &window_);
  dlg->setAttribute(Qt::WA_DeleteOnClose);
  checkDialog_ = dlg;
  dlg->show();
}

void CExchangeCommands::ShowProgram(int program, QWidget* over) {
  CMainSheet* sheet = parts_.view.Sheet();
  if (sheet && recordlocator::ShowProgram(*sheet, program)) return;
  Prompt::Message(over, U(T::kNoRowToShow), QMessageBox::Ok, QMessageBox::Information);
}

void CExchangeCommands::ShowProblem(const Problem& problem) {
  CMainSheet* sheet = parts_.view.Sheet();
  if (sheet && recordlocator::Show(*sheet, problem)) return;
  Prompt::Message(checkDialog_ ? static_cast<QWidget*>(checkDialog_.data()) : &window_, U(T::kNoRowToShow),
                  QMessageBox::Ok, QMessageBox::Information);
}

void CExchangeCommands::OnFindDuplicates() {
  CQuelmarDoc& doc = parts_.doc;
  if (!doc.HasData()) {
    Prompt::Message(&window_, U(T::kNothingToCheck), QMessageBox::Ok, QMessageBox::Information);
    return;
  }
  const dbops::DuplicateReport report = dbops::FindDuplicateReport(doc.Working());
  if (report.duplicates.empty() && report.sameName.empty()) {
    Prompt::Message(&window_, U(DuplicateTexts::kNoDuplicates), QMessageBox::Ok, QMessageBox::Information);
    return;
  }
  // Modal: the sets shown stay those of the database until the user is done.
  CFindDuplicatesDlg dlg(doc, &window_);
  Prompt::Exec(dlg);
}

// ---- compare ------------------------------------------------------------------------------

void CExchangeCommands::OnCompareWith() {
  CQuelmarDoc& doc = parts_.doc;
  if (!doc.HasData()) {
    Prompt::Message(&window_, U(T::kNothingToCompare), QMessageBox::Ok, QMessageBox::Information);
    return;
  }
  const QString path = Prompt::OpenFileName(&window_, U(T::kCompareOpenCaption), U(T::kCompareFilter));
  if (path.isEmpty()) return;
  // The file is read under the DbType in force.
  CQuelmarDoc other;
  const Result opened = ReadOther(path, doc.GetDbType(), other);
  if (!opened) {
    Prompt::Message(&window_, CoreMessages::Said(Shown(opened.message)));
    return;
  }
  // What changed since that file: the file is the old side, so a program deleted since
  // reads as removed, not as added.
  const dbdiff::Result bySlot =
      dbdiff::Compare(dbdiff::Side::FromDatabase(other.Header(), other.Working(), ExtraWordOf(other)),
                      dbdiff::Side::FromDatabase(doc.Header(), doc.Working(), ExtraWordOf(doc)));
  const progdiff::Result byProgram = progdiff::Compare(other.Working(), doc.Working(), doc.GetDbType());
  CCompareDlg dlg(byProgram, bySlot, QFileInfo(path).fileName(), &window_);
  connect(&dlg, &CCompareDlg::ProgramActivated, this, [this, &dlg](int program) { ShowProgram(program, &dlg); });
  Prompt::Exec(dlg);
}

// ---- export --------------------------------------------------------------------------------

void CExchangeCommands::OnExport() {
  CQuelmarDoc& doc = parts_.doc;
  if (!doc.HasData()) {
    Prompt::Message(&window_, U(T::kNothingToExport));
    return;
  }
  const QString proposed = exportname::Proposed(parts_.files.Path(), parts_.files.Title(), U(T::kJsonExtension));
  QString path = Prompt::SaveFileName(&window_, U(T::kExportCaption), proposed, U(T::kExportFilter));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + U(T::kJsonExtension);
  // The name's extension picks the format; anything but .csv is the lossless JSON.
  std::string text;
  if (QFileInfo(path).suffix().compare(U(T::kCsvExtension), Qt::CaseInsensitive) == 0) {
    text = channelcsv::Export(doc.Working(), doc.GetDbType());
  } else {
    std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
    if (doc.BuildImage(image.data()) == 0) {
      Prompt::Message(&window_, U(T::kNothingToExport));
      return;
    }
    text = imagejson::Dump(imagejson::Export(image.data(), doc.GetDbType()));
  }
  const std::string target = Native(path);
  if (!doc.FilePath().empty() && fileio::SameExistingFile(target, doc.FilePath())) {
    Prompt::Message(&window_, U(T::kExportOverOpenFile).arg(path));
    return;
  }
  const Result w =
      fileio::WriteAtomically(target, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  if (!w.ok) {
    Prompt::Message(&window_, Shown(fileio::Describe(w, target, T::kCannotWrite)));
    return;
  }
  emit Notice(U(T::kExported).arg(dbops::CountPrograms(doc.Working())).arg(QDir::toNativeSeparators(path)));
}

// ---- import --------------------------------------------------------------------------------

void CExchangeCommands::OnImport() {
  const QString path = Prompt::OpenFileName(&window_, U(T::kImportCaption), U(T::kImportFilter));
  if (path.isEmpty()) return;
  exchangeinput::Input input;
  if (const auto why = exchangeinput::Open(Native(path), input)) {
    Prompt::Message(&window_, CoreMessages::Said(Shown(*why)));
    return;
  }
  if (input.Guess(Native(path)) == exchangeinput::Format::Json) {
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
    Prompt::Message(&window_, U(T::kImportRefused).arg(name, CoreMessages::Said(refusal->Message())));
    return;
  }
  // The export replaces the document, as opening a file does.
  if (!parts_.files.SaveModified()) return;
  CQuelmarDoc& doc = parts_.doc;
  if (imported.dbType != doc.GetDbType()) {
    // Read under another layout the image would show nonsense.
    if (Prompt::Message(&window_,
                        U(T::kImportOtherType)
                            .arg(name, U(dbtype::kNames[imported.dbType]), U(dbtype::kNames[doc.GetDbType()])),
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::Yes) != QMessageBox::Yes)
      return;
  }
  // The variant comes with the image, or not at all when it is refused.
  const Result loaded = doc.LoadWholeImage(imported.image.data(), imported.image.size(), imported.dbType);
  if (!loaded) {
    Prompt::Message(&window_, U(T::kImportRefused).arg(name, CoreMessages::Said(loaded.message)));
    return;
  }
  // In no file yet: Save asks for a name.
  parts_.files.DocumentWithoutFile();
  doc.SetModifiedFlag(true);
}

void CExchangeCommands::ImportCsv(const QString& path, exchangeinput::Input& input) {
  const QString name = QFileInfo(path).fileName();
  CQuelmarDoc& doc = parts_.doc;
  if (!doc.HasData()) {
    Prompt::Message(&window_, U(T::kNothingToApply));
    return;
  }
  std::vector<channelcsv::Row> rows;
  if (const auto refusal = channelcsv::Read(input.Stream(), rows)) {
    Prompt::Message(&window_, U(T::kImportRefused).arg(name, CoreMessages::Said(refusal->Message())));
    return;
  }
  CApplyListDlg ask(name, static_cast<int>(rows.size()), &window_);
  if (Prompt::Exec(ask) != QDialog::Accepted) return;
  const reflist::Options options{ask.TakeNames()};
  // The pages hear of it from the document and show the new lists.
  const reflist::Report report =
      ApplyReference<reflist::Report>(U(StepTexts::kImportList).arg(name), reflist::Apply, rows, options);
  doc.SetModifiedFlag(true);
  ShowReport(reflist::Describe(report), report.AllMatched());
}

// ---- another database as the reference for order -------------------------------------

void CExchangeCommands::OnApplyOrder() {
  CQuelmarDoc& doc = parts_.doc;
  if (!doc.HasData()) {
    Prompt::Message(&window_, U(T::kNothingToOrder));
    return;
  }
  const QString path = Prompt::OpenFileName(&window_, U(T::kApplyOrderCaption), U(T::kCompareFilter));
  if (path.isEmpty()) return;
  const QString name = QFileInfo(path).fileName();
  // Read only: only its order is taken, and the setting in force stays.
  CQuelmarDoc reference;
  const Result opened = ReadOther(path, ReferenceType(path, doc.GetDbType()), reference);
  if (!opened) {
    Prompt::Message(&window_, U(T::kApplyOrderRefused).arg(name, Shown(opened.message)));
    return;
  }
  // What the programs take besides their places: as the user chose last time.
  QSettings store(Texts::Q(AppTexts::kSettingsOrganization), Texts::Q(AppTexts::kSettingsApplication));
  store.beginGroup(Texts::Q(AppTexts::kApplyOrderSection));
  const reforder::Options kept;
  CApplyOrderDlg ask(name, store.value(Texts::Q(AppTexts::kTakeLocksKey), kept.takeLocks).toBool(),
                     store.value(Texts::Q(AppTexts::kTakeNamesKey), kept.takeNames).toBool(), &window_);
  if (Prompt::Exec(ask) != QDialog::Accepted) return;
  const reforder::Options options{ask.TakeLocks(), ask.TakeNames()};
  store.setValue(Texts::Q(AppTexts::kTakeLocksKey), options.takeLocks);
  store.setValue(Texts::Q(AppTexts::kTakeNamesKey), options.takeNames);
  const reforder::Report report = ApplyReference<reforder::Report>(U(StepTexts::kApplyOrder).arg(name), reforder::Apply,
                                                                   reference.Working(), options);
  ShowReport(reforder::Describe(report), report.AllMatched());
}

template <typename Report, typename Apply, typename... Args>
Report CExchangeCommands::ApplyReference(const QString& step, Apply apply, const Args&... args) {
  CQuelmarDoc& doc = parts_.doc;
  NoticeHeard notice(doc);
  // One edit of the working database, so it is one step to undo, named after the file.
  // The marks are set inside it, so the lists hear of both in its one notice.
  Report report = doc.Apply(
      {step.toStdString()},
      [&doc, &apply](ChannelDatabase& db, const Args&... a) {
        Report r = apply(db, a...);
        doc.Marks().Set(r.newPrograms);
        return r;
      },
      args...);
  // Lists already in the reference's order change nothing and give no notice; the marks
  // are new all the same.
  if (!notice.heard)
    if (CMainSheet* sheet = parts_.view.Sheet()) sheet->GroupChPage()->RefreshPage();
  return report;
}

void CExchangeCommands::ShowReport(const std::vector<std::string>& report, bool allMatched) {
  QStringList lines;
  for (const std::string& line : report) lines << CoreMessages::Said(line);
  if (lines.size() > kMaxReportLines) {
    const qsizetype more = lines.size() - kMaxReportLines;
    lines.resize(kMaxReportLines);
    lines << U(T::kImportReportMore).arg(more);
  }
  Prompt::Message(&window_, lines.join(QLatin1Char('\n')), QMessageBox::Ok,
                  allMatched ? QMessageBox::Information : QMessageBox::Warning);
}
