#pragma once
// The search field above a list of the "Group/Channel" page. Typing narrows the list to
// the rows whose program name contains the text (ignoring case), or whose channel number
// or service ID equals it; Escape clears the field. Rows are hidden, not removed, so each
// row keeps its real channel number and position.
#include <QObject>
#include <QString>
#include <functional>

class GroupChListView;
class QLineEdit;

class ListFilter : public QObject {
 public:
  // What the search compares for one row.
  struct RowKeys {
    QString name;
    int serviceId = -1;
  };
  using KeysOfRow = std::function<RowKeys(int row)>;

  ListFilter(QLineEdit& field, GroupChListView& list, KeysOfRow keys);

  // True while the field holds text, whether or not it hides any row.
  bool Active() const;
  // Shows and hides the rows for the field's text; after every refill of the list.
  void Apply();
  // Asked with the new text before it is applied; false puts the old text back.
  void SetGuard(std::function<bool(const QString& text)> guard) { guard_ = std::move(guard); }

  // Whether a row with these keys at this position (counted from 0) matches `text`.
  static bool Matches(const QString& text, int row, const RowKeys& keys);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit& field_;
  GroupChListView& list_;
  KeysOfRow keys_;
  std::function<bool(const QString&)> guard_;
  QString applied_;
};
