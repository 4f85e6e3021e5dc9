#pragma once
// A "Group/Channel" page on a real document, with a host that records what the page asks
// of the sheet and the main frame, and helpers to build small databases.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "widgets/CInputName.h"
#include "ui/PageHost.h"
#include "widgets/Prompt.h"
#include "db/CQuelmarDoc.h"
#include "db/SampleDatabase.h"
#include "ui/CPageGroupCh.h"
#include "ui/CProgramEditDlg.h"
#include "ui/GroupChListView.h"

class FakeHost : public PageHost {
 public:
  CPageGroupCh* page = nullptr;
  int dbType = 3;
  std::vector<int> commands;
  std::vector<std::pair<ContextMenu, QPoint>> menus;

  CPageSatTP* SatTPPage() override { return nullptr; }
  CPageGroupCh* GroupChPage() override { return page; }
  void PopupContextMenu(ContextMenu menu, const QPoint& globalPos) override {
    menus.emplace_back(menu, globalPos);
  }
  // Like the main frame: the command comes back to the page.
  void SendCommand(int commandId) override {
    commands.push_back(commandId);
    if (page) page->OnCommand(commandId);
  }
  int DbType() const override { return dbType; }
};

// Database builders: every slot starts Empty and all-zero.
inline std::unique_ptr<ChannelDatabase> EmptyDb() { return std::make_unique<ChannelDatabase>(); }

inline SatelliteRecord& PutSatellite(ChannelDatabase& db, int slot, const std::string& name,
                                     SlotState state = SlotState::Used) {
  SatelliteRecord& s = db.satellites[std::size_t(slot)];
  s.SetState(state);
  s.SetSelfIndex(std::uint32_t(slot));
  s.SetName(name);
  return s;
}

inline TransponderRecord& PutTransponder(ChannelDatabase& db, int slot, int satellite,
                                         std::uint16_t frequency, std::uint16_t symbolRate = 27500,
                                         std::uint32_t polarization = 0,
                                         SlotState state = SlotState::Used,
                                         std::uint32_t hidden = 0) {
  TransponderRecord& t = db.transponders[std::size_t(slot)];
  t.SetState(state);
  t.SetSatelliteIndex(std::uint32_t(satellite));
  t.SetHiddenBits(hidden);
  t.SetFrequency(frequency);
  t.SetSymbolRate(symbolRate);
  t.SetPolarization(polarization);
  return t;
}

inline ProgramRecord& PutProgram(ChannelDatabase& db, int slot, const std::string& name,
                                 int transponder = 0, std::uint32_t type = ProgramRecord::kTv) {
  ProgramRecord& p = db.programs[std::size_t(slot)];
  p.SetState(SlotState::Used);
  p.SetName(name);
  p.SetTransponderIndex(std::uint32_t(transponder));
  p.SetServiceType(type);
  return p;
}

inline void PutList(ServiceList& list, const std::vector<int>& ids) {
  for (std::size_t i = 0; i < ids.size(); ++i) list.SetEntry(i, std::uint16_t(ids[i]));
  list.SetCount(std::uint16_t(ids.size()));
}

inline FavoriteGroupRecord& PutGroup(ChannelDatabase& db, int slot, const std::string& name,
                                     const std::vector<int>& members = {}) {
  FavoriteGroupRecord& g = db.channelLists.favoriteGroups[std::size_t(slot)];
  g.Clear();
  g.SetState(SlotState::Used);
  g.SetName(name);
  for (std::size_t i = 0; i < members.size(); ++i) g.SetMember(i, std::uint16_t(members[i]));
  g.SetMemberCount(std::uint32_t(members.size()));
  return g;
}

inline std::vector<int> Members(const FavoriteGroupRecord& g) {
  std::vector<int> out;
  for (std::size_t i = 0; i < g.ValidMemberCount(); ++i) out.push_back(g.Member(i));
  return out;
}

inline std::vector<int> Entries(const ServiceList& l) {
  std::vector<int> out;
  for (std::size_t i = 0; i < l.ValidCount(); ++i) out.push_back(l.Entry(i));
  return out;
}

// Scripts the Name dialog: types `text` and presses OK; `seen` receives the preset text.
inline void AnswerName(const QString& text, QString* seen = nullptr) {
  Prompt::QueueDialog([text, seen](QDialog& d) {
    auto& dlg = static_cast<CInputName&>(d);
    if (seen) *seen = dlg.Edit()->text();
    dlg.Edit()->setText(text);
    dlg.findChild<QPushButton*>(QStringLiteral("ok"))->click();
    return dlg.result();
  });
}

// Scripts "Program Info": `fill` sets the controls, then OK is pressed.
inline void AnswerProgram(std::function<void(CProgramEditDlg&)> fill) {
  Prompt::QueueDialog([fill](QDialog& d) {
    auto& dlg = static_cast<CProgramEditDlg&>(d);
    fill(dlg);
    dlg.findChild<QPushButton*>(QStringLiteral("ok"))->click();
    return dlg.result();
  });
}

template <typename W>
W* Child(QWidget& parent, const char* name) {
  W* w = parent.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

inline void SetField(QWidget& parent, const char* name, const QString& text) {
  Child<QLineEdit>(parent, name)->setText(text);
}

class GroupChPageTest : public ::testing::Test {
 protected:
  void SetUp() override { Prompt::Reset(); }
  void TearDown() override {
    page.reset();
    Prompt::Reset();
  }

  // Loads the database into the document and builds the page the way the sheet does.
  void Load(const ChannelDatabase& db, int dbType = 3) {
    host.dbType = dbType;
    doc.SetDbType(dbType);
    doc.LoadDatabase(sample::MakeHeader(dbType), db);
    page = std::make_unique<CPageGroupCh>(doc, host);
    host.page = page.get();
    page->Activate();
    page->RefreshPage();
    doc.SetModifiedFlag(false);
  }

  ChannelDatabase& Db() { return doc.Working(); }
  GroupChListView* ServiceList() { return Child<GroupChListView>(*page, "serviceList"); }
  GroupChListView* GroupList() { return Child<GroupChListView>(*page, "groupList"); }
  QComboBox* Kind() { return Child<QComboBox>(*page, "kind"); }
  QComboBox* GroupCombo() { return Child<QComboBox>(*page, "groupCombo"); }
  QPushButton* Button(const char* name) { return Child<QPushButton>(*page, name); }
  QString Text(const char* name) { return Child<QLineEdit>(*page, name)->text(); }

  static QStringList Rows(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
  }
  static QStringList ComboRows(QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
    return out;
  }

  CQuelmarDoc doc;
  FakeHost host;
  std::unique_ptr<CPageGroupCh> page;
};
