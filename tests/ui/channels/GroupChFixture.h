#pragma once
// A "Group/Channel" page on a real document (support/PageTest.h), its controls by name,
// and "Program Info" answered in advance.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "support/DbBuilders.h"
#include "support/PageTest.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/CProgramEditDlg.h"
#include "ui/channels/GroupChListView.h"

using testkit::AnswerName;
using testkit::Child;
using testkit::ComboRows;
using testkit::EmptyDb;
using testkit::Entries;
using testkit::Members;
using testkit::PutGroup;
using testkit::PutList;
using testkit::PutProgram;
using testkit::PutSatellite;
using testkit::PutTransponder;
using testkit::Rows;
using testkit::SetField;

// Scripts "Program Info": `fill` sets the controls, then OK is pressed.
inline void AnswerProgram(std::function<void(CProgramEditDlg&)> fill) {
  testkit::AnswerDialog<CProgramEditDlg>(fill);
}

class GroupChPageTest : public testkit::PageTest<CPageGroupCh> {
 protected:
  // Loads the database and fills the page; the document starts unmodified.
  void Load(const ChannelDatabase& db, int dbType = dbtype::kDefault) {
    Build(db, dbType);
    page->RefreshPage();
    doc.SetModifiedFlag(false);
  }

  const ChannelDatabase& Db() const { return doc.Working(); }
  GroupChListView* ServiceList() { return Control<GroupChListView>("serviceList"); }
  GroupChListView* GroupList() { return Control<GroupChListView>("groupList"); }
  QComboBox* Kind() { return Control<QComboBox>("kind"); }
  QComboBox* GroupCombo() { return Control<QComboBox>("groupCombo"); }
  QPushButton* Button(const char* name) { return Control<QPushButton>(name); }
  QString Text(const char* name) { return Control<QLineEdit>(name)->text(); }
};
