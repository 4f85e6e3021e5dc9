#include "ui/tools/CCheckDatabaseDlg.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

#include "db/records/TableAt.h"
#include "db/records/TableNames.h"
#include "ui/tools/ExchangeDialogTexts.h"
#include "widgets/CoreMessages.h"
#include "widgets/DialogUnits.h"
#include "widgets/SummaryListLayout.h"
#include "widgets/Texts.h"

namespace {

QString L1(const char* text) { return Texts::Q(text); }
QString Of(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

// "TV 12": where a person finds the program or entry on the "Group/Channel" page.
QString Channel(const Problem& p) {
  if (p.channel < 0) return QString();
  return L1(p.channelList == tables::kRadioList ? ExchangeDialogTexts::kChannelRadio : ExchangeDialogTexts::kChannelTv)
      .arg(p.channel);
}

}  // namespace

CCheckDatabaseDlg::CCheckDatabaseDlg(const CheckReport& report, std::function<void(const Problem&)> show,
                                     QWidget* parent)
    : QDialog(parent), problems_(report.problems), show_(std::move(show)) {
  using namespace ExchangeDialogTexts;
  setObjectName(QStringLiteral("CCheckDatabaseDlg"));
  setWindowTitle(L1(kCheckCaption));
  setFont(DialogUnits::DialogFont());

  const SummaryListLayout parts =
      BuildSummaryList(*this,
                       problems_.empty() ? L1(kCheckClean) : L1(kCheckSummary).arg(report.Errors()).arg(report.Warnings()),
                       "problemList", L1(kCheckListName), L1(kClose));
  summary_ = parts.summary;
  list_ = parts.list;
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setHeaderLabels({L1(kColumnSeverity), L1(kColumnKind), L1(kColumnTable), L1(kColumnNumber), L1(kColumnMessage)});
  for (std::size_t i = 0; i < problems_.size(); ++i) {
    const Problem& p = problems_[i];
    auto* item = new QTreeWidgetItem(list_, {Texts::U(SeverityName(p.severity).data()), Of(p.KindId()), Of(p.table),
                                             Channel(p), CoreMessages::Said(p.message)});
    item->setData(0, Qt::UserRole, static_cast<int>(i));
  }
  // Every column as wide as its texts, the message too: a long one scrolls sideways
  // rather than losing its end, which names the other program.
  list_->header()->setStretchLastSection(false);
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    const auto* problem = TableAt(problems_, item->data(0, Qt::UserRole).toInt());
    if (show_ && problem) show_(*problem);
  });

  DialogUnits::SizeTo(this, 420, 220);
}
