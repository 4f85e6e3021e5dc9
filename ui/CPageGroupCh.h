#pragma once
// The "Group/Channel" page of the main sheet: the receiver's TV and radio channel order,
// the eight favourite groups with drag-and-drop reordering, and the Info area that shows
// and updates one program. Every edit goes into the working database, the affected
// list is rebuilt from it and the document is marked modified.
#include <QPoint>
#include <QString>
#include <QWidget>

#include "ui/GroupChPageState.h"

class CQuelmarDoc;
class GroupChListView;
class PageHost;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct ChannelDatabase;

class CPageGroupCh : public QWidget {
  Q_OBJECT
 public:
  CPageGroupCh(CQuelmarDoc& doc, PageHost& host, QWidget* parent = nullptr);
  ~CPageGroupCh() override;

  // The tab caption: "Group/Channel".
  static QString Title();

  // Called each time the sheet brings this page to the front; the first call creates
  // the page's lists and selections.
  void Activate();

  // Rebuilds both combos and both lists from the document's working database.
  void RefreshPage();

  // A command forwarded by the main frame ("Add Program", "Delete Program"); false when
  // this page does not handle it.
  bool OnCommand(int commandId);

  // ---- the page's operations; buttons, keys and commands lead here --------------
  void FillServiceList(int kind);
  void FillGroupList(int group);
  void ShowProgramInfo(int program);
  void UpdateProgram();
  void AddProgram();
  void DeleteSelectedProgram();
  void AddGroup();
  void RenameGroup();
  void DeleteGroup();
  // "-->": the selected TV/Radio program joins the current group.
  void CopyToGroup();
  // "<--": the main frame's "Delete Program" on the active list.
  void RemoveFromGroup();
  AddMemberResult AddGroupMember(int group, int program);

  const GroupChPageState& State() const { return state_; }
  bool Dragging() const { return dragging_; }
  int DropRow() const { return dropRow_; }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void EnsureInitialised();
  void CreateControls();
  void ConnectControls();
  void RefillGroupCombo();
  void OnListSelectionChanged(GroupChListView* list);
  void OnListKey(int key);
  void PushInfoValues();
  // Reads the Info controls in exchange order; stops at the first field that cannot be
  // taken, after telling the user, and leaves it and the later ones as they were.
  void ReadInfoValues();
  QString RowText(int program) const;
  void SetRowTextEverywhere(int program, const QString& text);
  void MarkModified();
  ChannelDatabase& Db();
  const ChannelDatabase& Db() const;

  // Drag and drop inside the favourite list.
  void BeginDrag(int row);
  void EndDrag();
  void MoveGroupMember();
  GroupChListView* ListUnder(const QPoint& globalPos) const;

  CQuelmarDoc& doc_;
  PageHost& host_;
  bool initialised_ = false;
  GroupChPageState state_;

  bool dragging_ = false;
  QLabel* dragImage_ = nullptr;
  GroupChListView* dragSource_ = nullptr;
  GroupChListView* dropTarget_ = nullptr;
  GroupChListView* hoverList_ = nullptr;
  int dragRow_ = 0;
  int dropRow_ = -1;

  QComboBox* kind_ = nullptr;
  GroupChListView* serviceList_ = nullptr;
  QComboBox* groupCombo_ = nullptr;
  QPushButton* addGroup_ = nullptr;
  QPushButton* renameGroup_ = nullptr;
  QPushButton* deleteGroup_ = nullptr;
  GroupChListView* groupList_ = nullptr;
  QPushButton* copyRight_ = nullptr;
  QPushButton* copyLeft_ = nullptr;
  QLineEdit* name_ = nullptr;
  QComboBox* type_ = nullptr;
  QLineEdit* videoPid_ = nullptr;
  QLineEdit* pcrPid_ = nullptr;
  QLineEdit* ttextPid_ = nullptr;
  QLineEdit* audioPid_ = nullptr;
  QLineEdit* serviceId_ = nullptr;
  QLineEdit* pmt_ = nullptr;
  QCheckBox* lock_ = nullptr;
  QLabel* satellite_ = nullptr;
  QPushButton* update_ = nullptr;
};
