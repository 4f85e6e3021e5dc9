#include "app/TransferCommands.h"

#include <QAction>
#include <QFile>
#include <ctime>

#include "app/AppTexts.h"
#include "app/CQuelmarView.h"
#include "app/FileCommands.h"
#include "app/KeptPort.h"
#include "app/RunSettings.h"
#include "app/VariantOffer.h"
#include "db/document/CQuelmarDoc.h"
#include "db/document/ReceivedImages.h"
#include "db/exchange/DatabaseCheck.h"
#include "ui/tools/ExchangeDialogTexts.h"
#include "ui/transfer/CCOMPortDlg.h"
#include "ui/transfer/CFileRcvDlg.h"
#include "ui/transfer/CFileSndDlg.h"
#include "widgets/CommandAction.h"
#include "widgets/CoreMessages.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

using Texts::Q;

namespace {
QString Shown(const std::string& nativeText) { return QFile::decodeName(QByteArray::fromStdString(nativeText)); }
}  // namespace

TransferCommands::TransferCommands(const Parts& parts, QWidget& window)
    : QObject(&window), parts_(parts), window_(window) {
  using namespace AppTexts;
  using CommandAction::Make;
  actions_.receive = Make(*this, "receiveFromStb", Q(kMenuReceive), [this] { OnReceiveFromStb(); });
  actions_.send = Make(*this, "sendToStb", Q(kMenuSend), [this] { OnSendToStb(); });
  actions_.config = Make(*this, "configSetting", Q(kMenuConfig), [this] { OnConfigSetting(); });
}

void TransferCommands::OnConfigSetting() {
  const AppSettings current = parts_.settings.Get();
  CCOMPortDlg dlg(&window_);
  dlg.baudRateIndex = current.link.baudRateIndex;
  dlg.comPortIndex = current.link.comPortIndex;
  dlg.dbType = current.dbType;
  dlg.portDevice = current.link.portDevice;
  if (Prompt::Exec(dlg) != QDialog::Accepted) return;
  AppSettings chosen = current;
  chosen.link.baudRateIndex = dlg.baudRateIndex;
  chosen.link.comPortIndex = dlg.comPortIndex;
  chosen.dbType = dlg.dbType;
  chosen.link.portDevice = dlg.portDevice;
  parts_.settings.Set(chosen);
  KeptPort::Keep(chosen.link);
}

QString TransferCommands::RestoreKeptPort() {
  QString missing;
  AppSettings settings = parts_.settings.Get();
  settings.link = KeptPort::Restore(settings.link, missing);
  parts_.settings.Set(settings);
  return missing;
}

void TransferCommands::OnReceiveFromStb() {
  // Unsaved edits are asked about before the port opens, as Open asks; kept or not,
  // they stay in the history under the received image.
  if (!parts_.files.SaveModified()) return;
  CQuelmarDoc& doc = parts_.doc;
  std::vector<std::uint8_t> image;
  // What arrived whole is kept the moment it is whole, however the dialog then ends.
  Kept kept;
  {
    CFileRcvDlg dlg(parts_.settings.Get().link, &window_);
    connect(&dlg, &CFileRcvDlg::ImageWhole, this,
            [&kept](const std::vector<std::uint8_t>& whole) { kept = KeepReceived(whole); });
    const bool accepted = Prompt::Exec(dlg) == QDialog::Accepted;
    if (accepted) image = dlg.TakeImage();
    if (!accepted && !kept.path.isEmpty()) kept.notice = Q(AppTexts::kReceivedNotLoaded).arg(kept.path);
  }
  if (!kept.notice.isEmpty()) emit Notice(kept.notice);
  if (image.empty()) return;
  if (const Result acceptable = CQuelmarDoc::CheckReceivedImage(image.data(), image.size()); !acceptable) {
    Prompt::Message(&window_, CoreMessages::Said(acceptable.message));
    return;
  }
  // Laid out for another receiver variant: read under it when the user agrees. The
  // variant is part of the step, so its undo gives the variant before it back too.
  const int dbType = parts_.variants.Offer(image.data()).value_or(doc.GetDbType());
  if (const Result taken = doc.LoadReceivedImage(image.data(), image.size(), AppTexts::kMenuReceive, dbType);
      !taken) {
    Prompt::Message(&window_, CoreMessages::Said(taken.message));
    return;
  }
}

TransferCommands::Kept TransferCommands::KeepReceived(const std::vector<std::uint8_t>& image) {
  // Only a whole image marked valid is a database to send back; OK refuses the rest.
  if (!CQuelmarDoc::CheckReceivedImage(image.data(), image.size())) return {};
  const received::KeepResult kept = received::Keep(image.data(), image.size(), std::time(nullptr));
  if (!kept.ok) return {CoreMessages::Said(Shown(kept.message)), {}};
  const QString path = Shown(kept.path);
  const QString shown = Q(AppTexts::kReceivedKept).arg(path);
  // Pruning that went against the names is said, not done silently.
  return {kept.notice.empty() ? shown : shown + QLatin1Char(' ') + CoreMessages::Said(Shown(kept.notice)), path};
}

void TransferCommands::OnSendToStb() {
  if (!parts_.view.ResolveInfoEdits() || !parts_.doc.HasData()) return;
  // The receiver refuses or garbles what the check calls an error: asked before sending.
  if (!ConfirmSend()) return;
  CFileSndDlg dlg(parts_.settings.Get().link, parts_.doc, &window_);
  Prompt::Exec(dlg);
}

bool TransferCommands::ConfirmSend() {
  const CQuelmarDoc& doc = parts_.doc;
  const int errors = dbcheck::CheckDatabase(doc.Working(), doc.GetDbType()).Errors();
  if (errors == 0) return true;
  return Prompt::Message(&window_, Texts::U(ExchangeDialogTexts::kSendWithErrors).arg(errors),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning,
                         QMessageBox::No) == QMessageBox::Yes;
}
