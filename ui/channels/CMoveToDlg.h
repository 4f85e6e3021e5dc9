#pragma once
// The "Move To" dialog: asks for the channel number the selected rows move to.
#include <QDialog>

class QLabel;
class QLineEdit;

class CMoveToDlg : public QDialog {
  Q_OBJECT
 public:
  // Numbers run from 1 to `count`, the rows of the list, and the dialog says so;
  // `current` is shown first.
  CMoveToDlg(int count, int current, QWidget* parent = nullptr);

  // The number entered, counted from 1; valid once the dialog was accepted.
  int Number() const { return number_; }
  QLineEdit* NumberBox() const { return edit_; }
  QLabel* RangeLabel() const { return range_; }

  // OK: a number outside 1 to `count` is refused with the message the other number
  // fields give, and the dialog stays open.
  void accept() override;

 private:
  int count_;
  int number_;
  QLineEdit* edit_;
  QLabel* range_;
};
