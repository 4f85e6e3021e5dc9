// The "Group/Channel" page's search fields: what a row is searched by, Ctrl+F, and
// moving switched off while a search shows only some rows.
#include <QApplication>
#include <QLineEdit>
#include <QStatusTipEvent>

#include "db/document/DocEditing.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/GroupChTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/Texts.h"

ListFilter::RowKeys CPageGroupCh::SearchKeys(bool services, int row) const {
  const auto& rows = services ? state_.serviceRows : state_.groupRows;
  const int count = services ? state_.serviceRowCount : state_.groupRowCount;
  if (row < 0 || row >= count) return {};
  const int program = rows[std::size_t(row)];
  // A damaged list may name a slot past the program table: it matches by number only.
  if (program < 0 || program >= int(ChannelDatabase::kProgramCount)) return {};
  const ProgramRecord& p = Db().programs[std::size_t(program)];
  return {DataExchange::NameFromField(p.NameField(), ProgramRecord::kNameWidth), int(p.ServiceId())};
}

bool CPageGroupCh::Filtered(bool services) const { return (services ? serviceFilter_ : groupFilter_)->Active(); }

void CPageGroupCh::FocusSearch() {
  QLineEdit* search = state_.activeList == ActiveList::Services ? serviceSearch_ : groupSearch_;
  search->setFocus(Qt::ShortcutFocusReason);
  search->selectAll();
}

bool CPageGroupCh::RefuseMoveWhileFiltered(bool services) {
  if (!Filtered(services)) return false;
  // The main window shows a status tip in its status bar.
  QStatusTipEvent tip(Texts::Q(GroupChTexts::kMovingOffFiltered));
  QApplication::sendEvent(window(), &tip);
  return true;
}
