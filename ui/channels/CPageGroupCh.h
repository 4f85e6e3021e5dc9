#pragma once
// The "Group/Channel" page of the main sheet: the receiver's TV and radio channel order,
// the eight favourite groups with drag-and-drop reordering, and the Info area that shows
// and updates one program. Each of the three is a panel owning its controls and what it
// shows; the page lays them out, wires them and runs the edits that span them, and
// remembers which list is active. Every edit is one action through the document; its
// notice, the page's own edits' too, is how the lists learn what changed, and the
// action then only places the selection where its result is.
#include <QByteArray>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "db/document/DocChange.h"
#include "db/document/DocEditing.h"
#include "ui/channels/GroupChActions.h"
#include "ui/channels/GroupChPageState.h"
#include "ui/channels/ListFilter.h"

struct StepSubject;
class ChannelListPanel;
class FavoriteGroupPanel;
class GroupChListView;
class PageHost;
class ProgramInfoArea;
class RowMoves;
class ServiceListPanel;
struct ChannelDatabase;

class CPageGroupCh : public QWidget, public DocListener {
  Q_OBJECT
 public:
  CPageGroupCh(DocEditing& doc, PageHost& host, QWidget* parent = nullptr);
  ~CPageGroupCh() override;

  // The page's template, in dialog units: the least room it takes, the window scrolling
  // it when smaller.
  static constexpr int kTemplateWidth = 366;
  static constexpr int kTemplateHeight = 312;
  // Pixels around the page's boxes and inside them.
  static constexpr int kMargin = 4;

  // The tab caption: "Group/Channel".
  static QString Title();

  QSize minimumSizeHint() const override;

  // Called each time the sheet brings this page to the front; the first call sets up
  // the page's lists and selections.
  void Activate();

  // Rebuilds both combos and both lists from the document's working database.
  void RefreshPage();

  // The page's commands and its lists' context menu, made with the page.
  const GroupChActions& Actions() const { return actions_; }

  // ---- the page's operations; buttons, keys and commands lead here --------------
  void FillServiceList(int kind);
  void FillGroupList(int group);
  void ShowProgramInfo(int program);
  void UpdateProgram();
  // Before the Info area's row is left: typed values that differ from the stored ones
  // are applied (one step), dropped, or kept after asking. False when the user keeps
  // them (Cancel) or a field is refused; the caller then stays where it is.
  bool ResolveInfoEdits();
  void AddProgram();
  void DeleteSelectedProgram();
  // A name typed over a row's name cell: the program is renamed as one step, with the
  // limits and refusals of the Info area's name field.
  void RenameRow(bool services, int row, const QString& text);
  // "-->": the selected TV/Radio program joins the current group.
  void CopyToGroup();
  // "<--": the page's "Delete Program" on the active list.
  void RemoveFromGroup();

  // After an undo or redo, and the RefreshPage that follows it: shows the program, list
  // position, group or member the step changed, selected and scrolled into view; false
  // when it no longer exists.
  bool ShowRecord(const StepSubject& subject);
  // Brings a program, a list position (Kind::TvList or RadioList, its `position`) or a
  // group and its member into view, selected as a click selects it: its list becomes
  // the active one and the Info area follows. A program shows where it first appears:
  // the TV list, the radio list, then the groups. A position of -1 shows the list or
  // group with no row chosen. False when the page shows no row for it.
  bool Reveal(const StepSubject& record);

  GroupChPageState State() const;
  // Which columns each list shows and how wide (`services`: the TV/Radio list), as the
  // settings keep them; ColumnsChanged says the user changed them.
  QByteArray ColumnState(bool services) const;
  void RestoreColumnState(bool services, const QByteArray& state);
  const ProgramInfoArea& Info() const { return *info_; }

  // DocListener: an edit that Concerns the page, made here or elsewhere, fills again
  // the lists it changed and renews the names it changed, keeping the remembered rows
  // where they still exist; an undo or a redo rebuilds the page.
  void OnDocChanged(const DocChange& change) override;
  // Whether an edit made elsewhere changes what the page shows: one to the programs,
  // the lists or the groups (a dialog, an import), or to a satellite or transponder,
  // which the rows show. `now` is the database after it.
  static bool Concerns(const DocChange& change, const ChannelDatabase& now);
  // Whether the edit deleted a satellite, which may take any program with it.
  static bool SatelliteDeleted(const DocChange& change, const ChannelDatabase& now);

 signals:
  void ColumnsChanged();

 public:
  // A drag of rows in either list is under way; the row it would drop on.
  bool Dragging() const;
  int DropRow() const;
  // Whether the search above a list holds text (its rows then cannot be moved).
  bool Filtered(bool services) const;

 private:
  void EnsureInitialised();
  void CreateActions();
  void CreateControls();
  void ConnectControls();
  void LayOut();
  // The panel of the TV/Radio list (`services`) or of the favourite group.
  ChannelListPanel& Panel(bool services) const;
  // After a list is refilled: an active list left with no selected row leaves the Info
  // area nothing to write to.
  void AfterFill(bool services);
  // What an edit's notice changed, shown without rebuilding what it left alone.
  void RefreshChanged(const DocChange& change);
  // After "Add Program" or "Add" of a group: the TV list and the first group are shown.
  void ShowFirstLists();
  // A list with a selected row becomes the active list and the Info area shows the
  // program of its one selected row, or of its current row among several.
  void OnListSelectionChanged(GroupChListView* list);
  // Shows which list is active: the other one greys its selected row.
  void ShowActiveList();
  void OnListKey(int key);
  // Whether a press on `row` of `list` (-1: a key) may leave the Info area's row.
  bool MayLeaveRow(GroupChListView* list, int row);
  // Whether the search and filters above a list may narrow it to `next`: asked when
  // they would hide the Info area's row.
  bool MaySearch(bool services, const ListFilter::Criteria& next);
  // The drop of a drag (GroupChDrop.cpp): the dragged rows move within their list. One
  // favourite keeps the member move it always had; several, or rows of the TV/Radio
  // list, move as one block.
  void DropRows(bool services);
  void MoveGroupMember();
  // Arranging the lists (GroupChArrange.cpp): Alt+Up/Down/Home/End and "Move To…" on
  // the selected row of a list; the context menu's "Move To…" and sorts on the active
  // list.
  // Returns where the rows went (none when nothing moved); `tellPlace` has a placing say
  // the next place in the status bar.
  std::vector<int> MoveRows(GroupChListView* list, int move, bool tellPlace = true);
  void SortRows(int key);
  // Ctrl+Enter in a list's search field: of the rows it shows below the next place, the
  // first whose name is what was typed (else starts with it, else any) goes there, the
  // status bar says which, and the field's text is selected for the next name.
  void PlaceFromSearch(bool services);
  // Sets or clears the lock of every program selected in the list last worked in.
  void LockSelected(bool locked);
  // The same for the rows selected among those a list shows (Ctrl+L in its search);
  // false, changing nothing, when none is.
  bool LockRows(bool services, bool locked);
  // `rows` of an arranged list selected, the first current and in view; none moved
  // gives the list its remembered row `kept` back.
  void ShowArranged(bool services, const std::vector<int>& rows, int kept);
  // The action of moving `rows`: named after the program, or the count when several.
  DocEditing::Action MoveAction(bool services, const std::vector<int>& rows);
  // "Delete Program", "<--" (copy false) and "-->" (copy true) on several selected rows
  // (GroupChSeveral.cpp); false, doing nothing, when fewer than two are selected.
  bool ActOnSeveral(bool copy);
  QString ProgramName(int program) const;
  QString GroupName(int group) const;
  // One action of this page, its step's text filled with the names.
  DocEditing::Action Action(const char* text, const QString& a1, const QString& a2 = QString(),
                            DocEditing::Mark mark = DocEditing::Mark::IfChanged) const;
  static std::string StepText(const char* text, const QString& a1, const QString& a2 = QString());
  // How a step names the list: "TV List", "Radio List" or "Group [name]".
  QString OrderName(bool services) const;
  const ChannelDatabase& Db() const;

  DocEditing& doc_;
  PageHost& host_;
  bool initialised_ = false;
  ActiveList activeList_ = ActiveList::Services;
  GroupChActions actions_;

  // The panels, owned by the page.
  ServiceListPanel* services_ = nullptr;
  FavoriteGroupPanel* groups_ = nullptr;
  ProgramInfoArea* info_ = nullptr;
  // The lists' views, the panels' own.
  GroupChListView* serviceList_ = nullptr;
  GroupChListView* groupList_ = nullptr;
  std::unique_ptr<RowMoves> moves_;
};
