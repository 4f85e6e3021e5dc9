#pragma once
// The "Move To" dialog: asks for the channel number the selected rows move to.
#include <QDialog>

class QSpinBox;

class CMoveToDlg : public QDialog {
  Q_OBJECT
 public:
  // Numbers run from 1 to `count`, the rows of the list; `current` is shown
  // first.
  CMoveToDlg(int count, int current, QWidget* parent = nullptr);

  // The number entered, counted from 1.
  int Number() const;
  QSpinBox* NumberBox() const { return number_; }

 private:
  QSpinBox* number_;
};
