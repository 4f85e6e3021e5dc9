#pragma once
// A "Satellite/Transponder" page on a real document, with a host that records what the
// page asks of the sheet and the main frame, and helpers to build small databases.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "widgets/CInputName.h"
#include "ui/PageHost.h"
#include "widgets/Prompt.h"
#include "db/CQuelmarDoc.h"
#include "db/SampleDatabase.h"
#include "ui/CPageSatTP.h"
#include "ui/CTPEditDlg.h"
#include "ui/SatTPListView.h"

class FakeHost : public PageHost {
 public:
  CPageSatTP* page = nullptr;
  int groupChRequests = 0;
  std::vector<int> commands;
  std::vector<std::pair<ContextMenu, QPoint>> menus;

  CPageSatTP* SatTPPage() override { return page; }
  // The page asks for the other page only to refresh it.
  CPageGroupCh* GroupChPage() override {
    ++groupChRequests;
    return nullptr;
  }
  void PopupContextMenu(ContextMenu menu, const QPoint& globalPos) override {
    menus.emplace_back(menu, globalPos);
  }
  // Like the main frame: the command comes back to the page.
  void SendCommand(int commandId) override {
    commands.push_back(commandId);
    if (page) page->OnCommand(commandId);
  }
  int DbType() const override { return 3; }
};

// Database builders: every slot starts Empty and all-zero.
inline std::unique_ptr<ChannelDatabase> EmptyDb() { return std::make_unique<ChannelDatabase>(); }

inline SatelliteRecord& PutSatellite(ChannelDatabase& db, int slot, const std::string& name,
                                     SlotState state = SlotState::Used) {
  SatelliteRecord& s = db.satellites[std::size_t(slot)];
  s.SetState(state);
  s.SetSelfIndex(std::uint32_t(slot));
  s.SetName(name);
  s.SetLnbFreqHigh(10600);
  s.SetLnbFreqLow(9750);
  return s;
}

inline TransponderRecord& PutTransponder(ChannelDatabase& db, int slot, int satellite,
                                         std::uint16_t frequency, std::uint16_t symbolRate = 27500,
                                         std::uint32_t polarization = 0,
                                         SlotState state = SlotState::Used, std::uint32_t hidden = 0) {
  TransponderRecord& t = db.transponders[std::size_t(slot)];
  t.SetState(state);
  t.SetSatelliteIndex(std::uint32_t(satellite));
  t.SetHiddenBits(hidden);
  t.SetFrequency(frequency);
  t.SetSymbolRate(symbolRate);
  t.SetPolarization(polarization);
  return t;
}

class SatTPPageTest : public ::testing::Test {
 protected:
  void SetUp() override { Prompt::Reset(); }
  void TearDown() override {
    Prompt::Reset();
    page_.reset();
  }

  // Loads the database into the document and fills a fresh page as the sheet would.
  void Load(const ChannelDatabase& db) {
    doc_.LoadDatabase(sample::MakeHeader(3), db);
    page_ = std::make_unique<CPageSatTP>(doc_, host_);
    host_.page = page_.get();
    page_->Activate();
    page_->RefreshSatellites();
  }

  ChannelDatabase& Working() { return doc_.Working(); }
  const SatTPPageState& S() const { return page_->State(); }

  SatTPListView* SatList() { return page_->findChild<SatTPListView*>("satelliteList"); }
  SatTPListView* TpList() { return page_->findChild<SatTPListView*>("transponderList"); }
  template <class W>
  W* Control(const char* name) {
    W* w = page_->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  QStringList Rows(QTreeWidget* list, int column = 0) {
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) out << list->topLevelItem(i)->text(column);
    return out;
  }
  std::vector<int> SatelliteRowSlots() {
    return {S().satelliteRows.begin(), S().satelliteRows.begin() + S().satelliteRowCount};
  }
  std::vector<int> TransponderRowSlots() {
    return {S().transponderRows.begin(), S().transponderRows.begin() + S().transponderRowCount};
  }

  // A click on a row.
  static void SelectRow(QTreeWidget* list, int row) { list->setCurrentItem(list->topLevelItem(row)); }

  // Answers the next "Name" dialog with this text and OK.
  static void AnswerName(const QString& text) {
    Prompt::QueueDialog([text](QDialog& d) {
      static_cast<CInputName&>(d).Edit()->setText(text);
      d.findChild<QPushButton*>("ok")->click();
      return d.result();
    });
  }

  // Answers the next "Transponder Info." dialog with OK after typing the values.
  // The presets it was opened with are kept in `seen`.
  struct TpPresets {
    QString satellite, frequency, symbolRate;
    int polarization = -2;
  };
  void AnswerTransponder(const QString& freq, const QString& symbol, int polarization,
                         TpPresets* seen = nullptr) {
    Prompt::QueueDialog([=](QDialog& d) {
      auto& dlg = static_cast<CTPEditDlg&>(d);
      if (seen)
        *seen = {dlg.SatelliteEdit()->text(), dlg.FrequencyEdit()->text(),
                 dlg.SymbolRateEdit()->text(), dlg.PolarizationList()->currentIndex()};
      dlg.FrequencyEdit()->setText(freq);
      dlg.SymbolRateEdit()->setText(symbol);
      dlg.PolarizationList()->setCurrentIndex(polarization);
      dlg.OkButton()->click();
      return dlg.result();
    });
  }

  CQuelmarDoc doc_;
  FakeHost host_;
  std::unique_ptr<CPageSatTP> page_;
};
