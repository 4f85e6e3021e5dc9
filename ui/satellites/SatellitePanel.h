#pragma once
// The satellites of the "Satellite/Transponder" page: the "Satellite" box with the list
// of the working database's satellites, the "Sat. Info" area of the current one with its
// "Update", and the commands about satellites. It tells the page which satellite is
// current; the page hands that on to the transponder panel. The page lays out the box
// and the area.
#include <QGroupBox>
#include <QString>

#include "ui/satellites/SatTPPageState.h"

class DocEditing;
class QAction;
class QMenu;
class QWidget;
class ColumnShares;
class SatInfoArea;
class SatTPListView;
struct ChannelDatabase;

class SatellitePanel : public QGroupBox {
  Q_OBJECT
 public:
  // Makes the panel's commands and context menu, then its list and "Sat. Info" with
  // "Update", on `page`.
  SatellitePanel(DocEditing& doc, QWidget& page);
  ~SatellitePanel() override;

  // The first call shares out the list's width and empties "Sat. Info".
  void EnsureInitialised();

  QAction* AddAction() const { return add_; }
  QAction* DeleteAction() const { return delete_; }
  QMenu* Menu() const { return menu_; }
  SatTPListView* List() const { return list_; }
  SatInfoArea& Info() const { return *info_; }
  const SatellitePanelState& State() const { return state_; }

  // Rebuilds the list from the working database and shows the current satellite.
  void Refresh();
  // After an edit of the satellites: rebuilds the list when the satellites listed
  // changed (true), otherwise renews the rows' names and "Sat. Info" (false).
  bool RefreshChanged();
  void ShowInfo(int satellite);
  void UpdateSatellite();
  // Before the satellite row is left: typed "Sat. Info" values that differ from the
  // stored ones are applied (one step), dropped, or kept after asking. False when the
  // user keeps them (Cancel) or a field is refused; the caller then stays.
  bool ResolveInfoEdits();
  void NewSatellite();
  void DeleteCurrentSatellite();
  // Makes `satellite` the current one, if listed; false when it has no row.
  bool Select(int satellite);

 signals:
  // Another satellite became current, or the list was rebuilt around one: -1 when no
  // satellite is listed.
  void currentSatelliteChanged(int satellite);

 private:
  void OnSelectionChanged();
  // Reads "Sat. Info" and writes it to the current satellite. When `whole`, a refused
  // field writes nothing and false comes back.
  bool ApplySatInfo(bool whole);
  QString CurrentName() const;
  const ChannelDatabase& Db() const;

  DocEditing& doc_;
  QWidget& page_;
  bool initialised_ = false;
  // Rebuilding the list changes its selection; the rebuild itself brings the page up to
  // date, so the selection handler stays out of it.
  bool rebuilding_ = false;
  SatellitePanelState state_;
  int shownSatellite_ = -1;  // the satellite "Sat. Info" shows

  QAction* add_ = nullptr;
  QAction* delete_ = nullptr;
  QMenu* menu_ = nullptr;
  SatTPListView* list_ = nullptr;
  ColumnShares* columns_ = nullptr;
  SatInfoArea* info_ = nullptr;
};
