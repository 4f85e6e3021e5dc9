#pragma once
// The columns of a list share its width by a rule of the page's, given the width of the
// list's area without its frame: applied again whenever that width changes, so the
// columns fill the list at any window size. A column the user drags keeps its width
// from then on: the rule no longer touches that list.
#include <QObject>
#include <functional>
#include <vector>

class QTreeView;

class ColumnShares : public QObject {
 public:
  using Rule = std::function<std::vector<int>(int clientWidth)>;

  // Owned by `list`.
  ColumnShares(QTreeView* list, Rule rule);

  // The rule at the list's width now (also before the list has been shown).
  void Apply();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTreeView* list_;
  Rule rule_;
  bool applying_ = false;
  bool userSized_ = false;
};
