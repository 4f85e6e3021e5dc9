#include "app/RecoveryChoiceDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppTexts.h"
#include "widgets/Texts.h"

using Texts::Q;

RecoveryChoiceDlg::RecoveryChoiceDlg(const QStringList& rows, QWidget* parent) : QDialog(parent) {
  using namespace AppTexts;
  setObjectName(QStringLiteral("RecoveryChoiceDlg"));
  setWindowTitle(Q(kRecoverChoiceCaption));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(Q(kRecoverChoice).arg(rows.size()), this);
  label->setObjectName(QStringLiteral("label"));
  label->setWordWrap(true);
  layout->addWidget(label);

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("journalList"));
  list_->setAccessibleName(label->text());
  label->setBuddy(list_);
  list_->addItems(rows);
  list_->setCurrentRow(0);
  layout->addWidget(list_, 1);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* restore = buttons->addButton(Q(kRecoverRestore), QDialogButtonBox::AcceptRole);
  restore->setObjectName(QStringLiteral("restore"));
  restore->setDefault(true);
  QPushButton* aside = buttons->addButton(Q(kRecoverSetAside), QDialogButtonBox::DestructiveRole);
  aside->setObjectName(QStringLiteral("setAside"));
  layout->addWidget(buttons);
  connect(restore, &QPushButton::clicked, this, [this] {
    chosen_ = list_->currentRow();
    accept();
  });
  connect(list_, &QListWidget::itemActivated, restore, &QPushButton::click);
  connect(aside, &QPushButton::clicked, this, [this] {
    chosen_ = -1;
    accept();
  });
  // Closed without an answer: nothing is restored or set aside; the next start asks again.
  resize(sizeHint().expandedTo(QSize(fontMetrics().averageCharWidth() * 70, fontMetrics().height() * 18)));
}
