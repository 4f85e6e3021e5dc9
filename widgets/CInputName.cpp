#include "widgets/CInputName.h"

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
  DialogUnits::SizeTo(this, 107, 55);
  setFixedSize(size());

  auto* label = new QLabel(Texts::Q(kLabel), this);
  DialogUnits::Place(label, 7, 9, 24, 8);
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("name"));
  edit_->setAccessibleName(Texts::Q(kLabel));
  // Typing and pasting stop at what the satellite and group records hold.
  NameLimit::Attach(edit_, kMaxLength);
  label->setBuddy(edit_);
  DialogUnits::Place(edit_, 33, 7, 67, 12);

  auto* ok = new QPushButton(Texts::Q(kOk), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setDefault(true);
  DialogUnits::Place(ok, 7, 34, 45, 14);
  auto* cancel = new QPushButton(Texts::Q(kCancel), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  DialogUnits::Place(cancel, 55, 34, 45, 14);
  connect(ok, &QPushButton::clicked, this, &CInputName::accept);
  connect(cancel, &QPushButton::clicked, this, &CInputName::reject);
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
