#include "app/TransponderListCommands.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <string>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "db/exchange/ExchangeInput.h"
#include "db/exchange/SatellitesXml.h"
#include "db/exchange/TransponderUpdate.h"
#include "ui/StepTexts.h"
#include "ui/tools/CUpdateTranspondersDlg.h"
#include "ui/tools/ExchangeDialogTexts.h"
#include "ui/tools/TransponderListDialogTexts.h"
#include "widgets/CommandAction.h"
#include "widgets/CoreMessages.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace T = TransponderListDialogTexts;

namespace {

using Texts::U;

// A report longer than a message box can show is cut, saying how much was left out.
constexpr int kMaxReportLines = 20;

}  // namespace

TransponderListCommands::TransponderListCommands(CQuelmarDoc& doc, QWidget& window)
    : QObject(&window), doc_(doc), window_(window) {
  actions_.updateTransponders = CommandAction::Make(*this, "updateTransponders", U(T::kMenuUpdateTransponders),
                                                    [this] { OnUpdateTransponders(); });
}

void TransponderListCommands::OnUpdateTransponders() {
  if (!doc_.HasData()) {
    Prompt::Message(&window_, U(T::kNothingToUpdate));
    return;
  }
  const QString path = Prompt::OpenFileName(&window_, U(T::kOpenCaption), U(T::kFilter));
  if (path.isEmpty()) return;
  const QString name = QFileInfo(path).fileName();
  exchangeinput::Input input;
  satxml::List list;
  auto why = satxml::Open(QFile::encodeName(path).toStdString(), input);
  if (!why)
    if (const auto refusal = satxml::Read(input.Stream(), list)) why = refusal->Message();
  if (why) {
    Prompt::Message(&window_, U(T::kRefused).arg(name, CoreMessages::Said(*why)));
    return;
  }
  CUpdateTranspondersDlg dlg(doc_.Working(), list, name, &window_);
  if (Prompt::Exec(dlg) != QDialog::Accepted) return;
  // One edit of the working database, so one step to undo, named after the file; the
  // pages hear of it from the document.
  const tpupdate::Report report = doc_.Apply({U(StepTexts::kUpdateTransponders).arg(name).toStdString()},
                                             tpupdate::Apply, list, dlg.Matches());

  QStringList lines;
  for (const std::string& line : tpupdate::Describe(report, false)) lines << CoreMessages::Said(line);
  const int unmatched = static_cast<int>(report.satellites.size()) - report.Matched();
  if (lines.isEmpty()) lines << U(T::kNothingMatched);
  else if (unmatched > 0) lines << U(T::kNotMatched).arg(unmatched);
  if (lines.size() > kMaxReportLines) {
    const qsizetype more = lines.size() - kMaxReportLines;
    lines.resize(kMaxReportLines);
    lines << U(ExchangeDialogTexts::kImportReportMore).arg(more);
  }
  Prompt::Message(&window_, lines.join(QLatin1Char('\n')), QMessageBox::Ok,
                  report.LeftOut() > 0 || report.Matched() == 0 ? QMessageBox::Warning : QMessageBox::Information);
  emit Notice(U(T::kAdded).arg(report.Added()).arg(name));
}
