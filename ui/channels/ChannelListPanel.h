#pragma once
// One channel list of the "Group/Channel" page with what belongs to it alone: the search
// field and the filters above it, the table of its rows and their columns, the drag of
// its rows, copying them, and which program each row shows. The TV/Radio panel and the
// favourite-group panel are each one, a box holding its controls one under the other.
#include <QByteArray>
#include <QGroupBox>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <utility>

#include "db/records/TableAt.h"
#include "ui/channels/ListFilter.h"

namespace channelrows {
struct Row;
}
class ChannelTableModel;
class DocEditing;
class GroupChListView;
class QComboBox;
class QLineEdit;
class QVBoxLayout;
class QWidget;
class RowDrag;

class ChannelListPanel : public QGroupBox {
  Q_OBJECT
 public:
  static constexpr int kMaxRows = 4000;
  // Pixels inside the box around its controls: two lists side by side need the width.
  static constexpr int kMargin = 4;
  using Rows = std::array<int, kMaxRows>;

  // The box titled `title` on `page`, empty; the panel puts its controls in Column().
  ChannelListPanel(DocEditing& doc, QWidget& page, const char* title, const char* objectName);
  ~ChannelListPanel() override;

  // Shows the program slots of a stored order as the rows and selects the remembered row
  // again (row 0 is never selected by a refill, nor any while it is -1). The search is
  // not applied.
  void Fill(std::span<const std::uint16_t> programs);
  // Whether the rows show exactly these program slots.
  bool Shows(std::span<const std::uint16_t> programs) const;
  // Reads every row's cells again from the program as stored now (and its marks).
  void RenewRowTexts();
  // Hides the rows the search and the filters do not pass.
  void ApplyFilter();
  // The satellite filter lists the satellites in use now.
  void RenewSatellites();
  // Forgets the rows and the remembered row.
  void Reset();

  GroupChListView* List() const { return list_; }
  QLineEdit* Search() const { return search_; }
  QComboBox* SatelliteFilter() const { return satellites_; }
  QComboBox* StateFilter() const { return states_; }
  ChannelTableModel& Model() const { return *model_; }
  ListFilter& Filter() const { return *filter_; }
  RowDrag& Drag() const { return *drag_; }

  const Rows& ProgramRows() const { return rows_; }
  const int& Count() const { return count_; }
  // The program of a row; -1 when the row is outside the list.
  int ProgramAt(int row) const { return ValueAt(rows_, row, -1, count_); }
  // The first row showing `program`, -1 when none does.
  int RowOf(int program) const;
  // The row the list selects again after a refill, and the Info area writes to; -1
  // while an action that arranges the rows places the selection itself.
  const int& Selection() const { return selection_; }
  void SetSelection(int row) { selection_ = row; }
  // Selects and shows the remembered row, as a refill does.
  void ShowSelection();
  // An action arranging the rows places the selection itself: the refill its notice
  // brings selects none. The remembered row comes back, for when nothing moved.
  int HoldSelection() { return std::exchange(selection_, -1); }
  // Ctrl+C: the titles of the shown columns, then the selected rows, their cells
  // separated by tabs, one line each; names as stored, without the rows' brackets.
  QString SelectedText() const;
  void CopySelected() const;
  // Which columns show and how wide, as the settings keep it; empty gives the defaults.
  QByteArray ColumnState() const;
  void RestoreColumnState(const QByteArray& state);
  // What a row is found by in the search: the row as shown, and its "New" mark.
  ListFilter::RowKeys SearchKeys(int row) const;
  bool Filtered() const { return filter_->Active(); }
  // Ctrl+F: the search field takes the focus, its text selected.
  void FocusSearch() const;
  // Moving rows is off while the search hides some: says so in the status bar.
  bool RefuseMoveWhileFiltered() const;
  // Where "Place Next" puts the selected rows (a row, from 0); the status bar says it
  // when `tell`.
  int NextPlace() const { return nextPlace_; }
  void SetNextPlace(int row, bool tell = true);
  // The status bar names the program placed at `at` from a search (a row, from 0), and
  // how many rows share its name when it was the first of several (`alike`).
  void TellPlaced(const channelrows::Row& placed, int at, int alike) const;

  // Shows `text` in the main window's status bar.
  void Tell(const QString& text) const;

  // The end of a drag of this list's rows runs `drop`.
  void OnDrop(std::function<void()> drop) { drop_ = std::move(drop); }

 protected:
  DocEditing& Doc() const { return doc_; }
  QWidget& Page() const { return page_; }
  // The box's controls, one under the other.
  QVBoxLayout& Column() const { return *column_; }
  // Makes the search field, under it the satellite and program filters, and under them
  // the list, taking the height the box has left, in tab order. `name` prefixes the
  // controls' object names ("service": "serviceList", "serviceSearch",
  // "serviceSatellites", "serviceStates").
  void MakeList(const char* name, const char* listLabel, const char* searchLabel);

 private:
  DocEditing& doc_;
  QWidget& page_;
  QVBoxLayout* column_ = nullptr;
  QLineEdit* search_ = nullptr;
  QComboBox* satellites_ = nullptr;
  QComboBox* states_ = nullptr;
  GroupChListView* list_ = nullptr;
  ChannelTableModel* model_ = nullptr;  // owned by the list
  ListFilter* filter_ = nullptr;  // owned by its field
  std::unique_ptr<RowDrag> drag_;
  std::function<void()> drop_;
  Rows rows_{};
  int count_ = 0;
  int selection_ = 0;
  int nextPlace_ = 0;
};
