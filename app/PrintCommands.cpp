#include "app/PrintCommands.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <cstdint>
#include <string>

#include "app/ExportName.h"
#include "app/FileCommands.h"
#include "db/document/CQuelmarDoc.h"
#include "db/document/FileIo.h"
#include "ui/tools/ChannelListPrint.h"
#include "ui/tools/ExchangeDialogTexts.h"
#include "widgets/CommandAction.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace T = ExchangeDialogTexts;

using Texts::U;

PrintCommands::PrintCommands(const Parts& parts, QWidget& window) : QObject(&window), parts_(parts), window_(window) {
  using CommandAction::Make;
  actions_.printList = Make(*this, "printChannelList", U(T::kMenuPrintList), [this] { OnPrint(); });
  actions_.exportPdf = Make(*this, "exportPdf", U(T::kMenuExportPdf), [this] { OnExportPdf(); });
}

bool PrintCommands::HasDatabase() {
  if (parts_.doc.HasData()) return true;
  Prompt::Message(&window_, U(T::kNothingToPrint), QMessageBox::Ok, QMessageBox::Information);
  return false;
}

void PrintCommands::OnPrint() {
  if (!HasDatabase()) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(parts_.files.Title());
  QPrintDialog dialog(&printer, &window_);
  if (Prompt::Exec(dialog) != QDialog::Accepted) return;
  const int pages =
      channellistprint::Paint(parts_.doc.Working(), {parts_.files.Title(), QDate::currentDate()}, printer,
                              &parts_.doc.Marks());
  if (pages == 0) {
    Prompt::Message(&window_, U(T::kCannotPrint));
    return;
  }
  emit Notice(U(T::kPrinted).arg(pages));
}

void PrintCommands::OnExportPdf() {
  if (!HasDatabase()) return;
  const QString proposed = exportname::Proposed(parts_.files.Path(), parts_.files.Title(), U(T::kPdfExtension));
  QString path = Prompt::SaveFileName(&window_, U(T::kExportPdfCaption), proposed, U(T::kPdfFilter));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + U(T::kPdfExtension);
  CQuelmarDoc& doc = parts_.doc;
  const std::string target = QFile::encodeName(path).toStdString();
  if (!doc.FilePath().empty() && fileio::SameExistingFile(target, doc.FilePath())) {
    Prompt::Message(&window_, U(T::kExportOverOpenFile).arg(path));
    return;
  }
  // Laid out in memory first: the file is written whole or not at all, and a failed write
  // is reported, which a writer straight to the file would not.
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  int pages = 0;
  {
    QPdfWriter writer(&pdf);
    channellistprint::SetUpPdf(writer, parts_.files.Title());
    pages = channellistprint::Paint(doc.Working(), {parts_.files.Title(), QDate::currentDate()}, writer, &doc.Marks());
  }
  if (pages == 0) {
    Prompt::Message(&window_, U(T::kCannotPrint));
    return;
  }
  const QByteArray& bytes = pdf.data();
  const Result w = fileio::WriteAtomically(target, reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                           static_cast<std::size_t>(bytes.size()));
  if (!w.ok) {
    const std::string why = fileio::Describe(w, target, T::kCannotWrite);
    Prompt::Message(&window_, QFile::decodeName(QByteArray::fromStdString(why)));
    return;
  }
  emit Notice(U(T::kExportedPdf).arg(pages).arg(QDir::toNativeSeparators(path)));
}
