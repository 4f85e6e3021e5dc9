#pragma once
// The "Satellite/Transponder" page of the main sheet. It lays out two panels and wires
// them: the satellites of the working database with the "Sat. Info" of the current one
// (SatellitePanel), and the transponders of that satellite (TransponderPanel). Every
// edit is one action through the document; its notice, the page's own edits' too, is
// how the page learns what to show again.
#include <QString>
#include <QWidget>

#include "db/document/DocChange.h"
#include "ui/satellites/SatTPActions.h"
#include "ui/satellites/SatTPPageState.h"

class DocEditing;
struct StepSubject;
class PageHost;
class SatellitePanel;
class TransponderPanel;

class CPageSatTP : public QWidget, public DocListener {
  Q_OBJECT
 public:
  CPageSatTP(DocEditing& doc, PageHost& host, QWidget* parent = nullptr);
  ~CPageSatTP() override;

  // The page's template, in dialog units: the least room it takes, the window scrolling
  // it when smaller.
  static constexpr int kTemplateWidth = 366;
  static constexpr int kTemplateHeight = 312;

  // The tab caption: "Satellite/Transponder".
  static QString Title();

  QSize minimumSizeHint() const override;

  // Called each time the sheet brings this page to the front; the first call creates
  // the page's lists and selections.
  void Activate();

  // Rebuilds the page from the document's working database.
  void RefreshSatellites();

  // The panels' commands and context menus, made with the page.
  const SatTPActions& Actions() const { return actions_; }

  // "Update" of "Sat. Info".
  void UpdateSatellite();
  // Before the satellite row is left: typed "Sat. Info" values that differ from the
  // stored ones are applied (one step), dropped, or kept after asking. False when the
  // user keeps them (Cancel) or a field is refused; the caller then stays.
  bool ResolveInfoEdits();

  // After an undo or redo: selects the satellite or transponder the step changed and
  // scrolls it into view; false when the step changed neither, or it no longer exists.
  bool ShowRecord(const StepSubject& subject);
  // Brings a satellite or transponder into view, selected as a click selects it, the
  // page following with its transponders and "Sat. Info"; false when the page shows no
  // row for it.
  bool Reveal(const StepSubject& record);

  // Both panels' lists and the "Sat. Info" values, as they are now.
  SatTPPageState State() const;

  // DocListener: an edit of the satellites or transponders renews what it changed; an
  // undo or a redo rebuilds the page.
  void OnDocChanged(const DocChange& change) override;

 private:
  void EnsureInitialised();

  DocEditing& doc_;
  PageHost& host_;
  SatTPActions actions_;
  SatellitePanel* satellites_ = nullptr;
  TransponderPanel* transponders_ = nullptr;
};
