#pragma once
// The "Transponder" box of the "Satellite/Transponder" page, above "Sat. Info": the
// transponders of the satellite the page hands it, and the commands about them.
#include <QGroupBox>

#include "ui/satellites/SatTPPageState.h"

class ColumnShares;
class DocEditing;
class QAction;
class QMenu;
class QWidget;
class SatTPListView;
struct ChannelDatabase;
struct TransponderRecord;

class TransponderPanel : public QGroupBox {
  Q_OBJECT
 public:
  enum class EditMode { Add, Edit };

  // Makes the panel's commands and context menu, then its list, on `page`.
  TransponderPanel(DocEditing& doc, QWidget& page);

  // The first call shares out the list's width among its columns.
  void EnsureInitialised();

  QAction* AddAction() const { return add_; }
  QAction* DeleteAction() const { return delete_; }
  QAction* EditAction() const { return edit_; }
  QMenu* Menu() const { return menu_; }
  SatTPListView* List() const { return list_; }
  const TransponderPanelState& State() const { return state_; }

  // Lists the transponders of `satellite`, the one the commands then work on, marking
  // the row worked on; -1 empties the list.
  void Refresh(int satellite);
  // Marks the row of `transponder`; false when it is not listed.
  bool Select(int transponder);
  void EditTransponder(EditMode mode);
  void DeleteSelectedTransponder();

 private:
  const ChannelDatabase& Db() const;
  // The transponder slot of a row, and its record; -1 and null for a row not listed.
  int SlotAt(int row) const;
  const TransponderRecord* RecordAt(int row) const;

  DocEditing& doc_;
  QWidget& page_;
  bool initialised_ = false;
  int satellite_ = -1;  // whose transponders are listed
  TransponderPanelState state_;

  QAction* add_ = nullptr;
  QAction* delete_ = nullptr;
  QAction* edit_ = nullptr;
  QMenu* menu_ = nullptr;
  SatTPListView* list_ = nullptr;
  ColumnShares* columns_ = nullptr;
};
