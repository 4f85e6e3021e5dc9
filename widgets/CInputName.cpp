#include "widgets/CInputName.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "db/records/FavoriteGroupRecord.h"
#include "db/records/SatelliteRecord.h"

#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/NameLimit.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

// The dialog names satellites and favourite groups: both records hold 16 bytes.
static_assert(CInputName::kMaxLength == int(SatelliteRecord::kNameWidth) &&
              CInputName::kMaxLength == int(FavoriteGroupRecord::kNameWidth));

namespace {
constexpr const char* kCaption = QT_TRANSLATE_NOOP("CInputName", "Name");
constexpr const char* kLabel = QT_TRANSLATE_NOOP("CInputName", "Name");
constexpr const char* kOk = QT_TRANSLATE_NOOP("CInputName", "OK");
constexpr const char* kCancel = QT_TRANSLATE_NOOP("CInputName", "Cancel");
}  // namespace

CInputName::CInputName(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CInputName"));
  setWindowTitle(Texts::Q(kCaption));
  setFont(DialogUnits::DialogFont());

  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("name"));
  // Typing and pasting stop at what the satellite and group records hold.
  NameLimit::Attach(edit_, kMaxLength);
  auto* label = new QLabel(Texts::Q(kLabel), this);
  label->setBuddy(edit_);
  edit_->setAccessibleName(Texts::Q(kLabel));

  auto* ok = new QPushButton(Texts::Q(kOk), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(Texts::Q(kCancel), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  connect(ok, &QPushButton::clicked, this, &CInputName::accept);
  connect(cancel, &QPushButton::clicked, this, &CInputName::reject);

  // The label with its field, the two buttons side by side under them.
  auto* grid = new QGridLayout(this);
  grid->addWidget(label, 0, 0);
  grid->addWidget(edit_, 0, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  grid->addLayout(buttons, 1, 0, 1, 2);
  DialogUnits::SizeTo(this, 107, 55, true);
}

void CInputName::showEvent(QShowEvent* event) {
  edit_->setText(name);
  edit_->selectAll();
  edit_->setFocus();
  QDialog::showEvent(event);
}

int CInputName::exec() {
  edit_->setText(name);
  return QDialog::exec();
}

void CInputName::accept() {
  const QString text = edit_->text();
  if (text.toUcs4().size() > kMaxLength) {
    Prompt::Message(this, Texts::Q(Texts::kNoMoreThan).arg(kMaxLength));
    edit_->setFocus();
    return;
  }
  if (!DataExchange::NameToBytes(text)) {
    Prompt::Message(this, Texts::Q(Texts::kNameNotStorable));
    edit_->setFocus();
    return;
  }
  name = text;
  QDialog::accept();
}
