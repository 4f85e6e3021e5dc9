#pragma once
// The "Name" dialog: one line of up to 16 characters, used to name a new satellite
// and the favourite groups.
#include <QDialog>
#include <QString>

class QLineEdit;

class CInputName : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kMaxLength = 16;

  explicit CInputName(QWidget* parent = nullptr);

  // Preset before opening; after OK holds the entered text (0 to 16 characters).
  QString name;

  int exec() override;
  void accept() override;

  QLineEdit* Edit() const { return edit_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* edit_;
};
