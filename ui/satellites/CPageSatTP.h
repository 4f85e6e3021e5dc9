#pragma once
// The "Satellite/Transponder" page of the main sheet: the satellites of the working
// database, the transponders of the current one and its LNB and switch settings
// ("Sat. Info"). Every edit is one action through the document, after which the page
// rebuilds the list it changed; changes made elsewhere reach it as the document's
// notices.
#include <QString>
#include <QWidget>
#include <memory>

#include "db/document/DocChange.h"
#include "ui/satellites/SatTPActions.h"
#include "ui/satellites/SatTPPageState.h"

class DocEditing;
struct StepSubject;
class PageHost;
class SatInfoArea;
class SatTPListView;
struct ChannelDatabase;

class CPageSatTP : public QWidget, public DocListener {
  Q_OBJECT
 public:
  enum class TpEditMode { Add, Edit };

  CPageSatTP(DocEditing& doc, PageHost& host, QWidget* parent = nullptr);
  ~CPageSatTP() override;

  // The tab caption: "Satellite/Transponder".
  static QString Title();

  // Called each time the sheet brings this page to the front; the first call creates
  // the page's lists and selections.
  void Activate();

  // Rebuilds the page from the document's working database.
  void RefreshSatellites();

  // The page's commands and context menus, made with the page.
  const SatTPActions& Actions() const { return actions_; }

  // The page's operations; the commands above and the "Update" button lead here.
  void RefreshTransponders(int satellite);
  void ShowSatelliteInfo(int satellite);
  void UpdateSatellite();
  // Before the satellite row is left: typed "Sat. Info" values that differ from the
  // stored ones are applied (one step), dropped, or kept after asking. False when the
  // user keeps them (Cancel) or a field is refused; the caller then stays.
  bool ResolveInfoEdits();
  void NewSatellite();
  void DeleteCurrentSatellite();
  void EditTransponder(TpEditMode mode);
  void DeleteSelectedTransponder();

  // After an undo or redo: selects the satellite or transponder the step changed and
  // scrolls it into view; false when the step changed neither, or it no longer exists.
  bool ShowRecord(const StepSubject& subject);

  const SatTPPageState& State() const { return state_; }

  // DocListener: a change made elsewhere to the satellites or transponders, an undo or
  // a redo rebuilds the page.
  void OnDocChanged(const DocChange& change) override;

 private:
  void CreateActions();
  void CreateControls();
  void EnsureInitialised();
  void OnSatelliteSelectionChanged();
  // Reads "Sat. Info" and writes it to the current satellite. When `whole`, a refused
  // field writes nothing and false comes back.
  bool ApplySatInfo(bool whole);
  void OnListKey(int key, QAction* insert, QAction* remove);
  const ChannelDatabase& Db() const;

  DocEditing& doc_;
  PageHost& host_;
  bool initialised_ = false;
  // Rebuilding a list changes its selection; the rebuild itself brings the page up to
  // date, so the selection handler stays out of it.
  bool rebuilding_ = false;
  SatTPPageState state_;
  SatTPActions actions_;
  int shownSatellite_ = -1;  // the satellite "Sat. Info" shows

  SatTPListView* satelliteList_ = nullptr;
  SatTPListView* transponderList_ = nullptr;
  std::unique_ptr<SatInfoArea> satInfo_;
};
