#pragma once
// The About box: the program's icon, name and version.
#include <QDialog>

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};
