#pragma once
// A "Satellite/Transponder" page on a real document (support/PageTest.h), its lists and
// row maps, and "Transponder Info." answered in advance.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <vector>

#include "support/DbBuilders.h"
#include "support/PageTest.h"
#include "db/document/DocChange.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/satellites/CPageSatTP.h"
#include "ui/satellites/CTPEditDlg.h"
#include "ui/satellites/SatTPListView.h"

using testkit::AnswerName;
using testkit::EmptyDb;
using testkit::PutSatellite;
using testkit::PutTransponder;
using testkit::Rows;

class SatTPPageTest : public testkit::PageTest<CPageSatTP> {
 protected:
  // The notices of the document that would have the "Group/Channel" page rebuild itself.
  struct GroupChNotices : DocListener {
    explicit GroupChNotices(const CQuelmarDoc& d) : doc(d) {}
    void OnDocChanged(const DocChange& change) override {
      if (CPageGroupCh::SatelliteDeleted(change, doc.Working())) ++count;
    }
    const CQuelmarDoc& doc;
    int count = 0;
  };

  void SetUp() override {
    PageTest::SetUp();
    doc.Listen(&otherPage);
  }
  void TearDown() override {
    doc.Unlisten(&otherPage);
    PageTest::TearDown();
  }

  // Loads the database and fills the page as the sheet would.
  void Load(const ChannelDatabase& db) {
    Build(db);
    page->RefreshSatellites();
  }

  const ChannelDatabase& Working() const { return doc.Working(); }

  GroupChNotices otherPage{doc};
  SatTPPageState S() const { return page->State(); }

  SatTPListView* SatList() { return Control<SatTPListView>("satelliteList"); }
  SatTPListView* TpList() { return Control<SatTPListView>("transponderList"); }
  std::vector<int> SatelliteRowSlots() {
    const SatTPPageState s = S();
    return {s.satelliteRows.begin(), s.satelliteRows.begin() + s.satelliteRowCount};
  }
  std::vector<int> TransponderRowSlots() {
    const SatTPPageState s = S();
    return {s.transponderRows.begin(), s.transponderRows.begin() + s.transponderRowCount};
  }

  // A click on a row.
  static void SelectRow(QTreeWidget* list, int row) { list->setCurrentItem(list->topLevelItem(row)); }

  // Answers the next "Transponder Info." dialog with OK after typing the values.
  // The presets it was opened with are kept in `seen`.
  struct TpPresets {
    QString satellite, frequency, symbolRate;
    int polarization = -2;
  };
  static void AnswerTransponder(const QString& freq, const QString& symbol, int polarization,
                                TpPresets* seen = nullptr) {
    testkit::AnswerDialog<CTPEditDlg>([=](CTPEditDlg& dlg) {
      if (seen)
        *seen = {dlg.SatelliteEdit()->text(), dlg.FrequencyEdit()->text(), dlg.SymbolRateEdit()->text(),
                 dlg.PolarizationList()->currentIndex()};
      dlg.FrequencyEdit()->setText(freq);
      dlg.SymbolRateEdit()->setText(symbol);
      dlg.PolarizationList()->setCurrentIndex(polarization);
    });
  }
};
