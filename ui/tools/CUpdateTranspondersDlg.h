#pragma once
// Tools > "Update Transponders From List…": each satellite of the database beside the
// list's satellite it takes its transponders from, with what it would take. The match
// comes from the position the satellite's name states; the list beside the satellites
// changes it for the selected one. OK leaves it to the caller to apply the matches.
#include <QDialog>
#include <vector>

#include "db/exchange/SatellitesXml.h"
#include "db/exchange/TransponderUpdate.h"
#include "db/records/ChannelDatabase.h"

class QLabel;
class QListWidget;
class QTreeWidget;

class CUpdateTranspondersDlg : public QDialog {
  Q_OBJECT
 public:
  // `db` and `list` outlive the dialog.
  CUpdateTranspondersDlg(const ChannelDatabase& db, const satxml::List& list, const QString& fileName,
                         QWidget* parent);

  const tpupdate::Matches& Matches() const { return matches_; }
  // What OK would do with the matches as they stand.
  const tpupdate::Report& Preview() const { return preview_; }
  // The satellite on row `row` takes list satellite `listIndex` (tpupdate::kNoMatch:
  // none); out-of-range calls do nothing.
  void SetMatch(int row, int listIndex);

  QTreeWidget* SatelliteList() const { return satellites_; }
  QListWidget* ListSatellites() const { return listSatellites_; }
  QLabel* Total() const { return total_; }

 private:
  void Refresh();
  void ShowMatchOfCurrent();

  const ChannelDatabase& db_;
  const satxml::List& list_;
  tpupdate::Matches matches_;
  tpupdate::Report preview_;
  std::vector<int> rows_;  // the satellite slot on each row
  bool showing_ = false;   // list selections are the dialog's own
  QTreeWidget* satellites_ = nullptr;
  QListWidget* listSatellites_ = nullptr;
  QLabel* total_ = nullptr;
};
