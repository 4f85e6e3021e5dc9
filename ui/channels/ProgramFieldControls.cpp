#include "ui/channels/ProgramFieldControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <algorithm>
#include <functional>
#include <vector>

#include "db/records/ProgramRecord.h"
#include "ui/channels/GroupChTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/NameLimit.h"
#include "widgets/NamedControl.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

namespace {

void CreateHiddenControls(QWidget* parent) {
  auto* ageLimit = NamedControl<QComboBox>(parent, "ageLimit", T::kAgeLimit);
  for (int i = 0; i <= 20; ++i) ageLimit->addItem(QString::number(i));
  ageLimit->hide();
  NamedControl<QComboBox>(parent, "audioLang", T::kAudioLang)->hide();
  NamedTextControl<QCheckBox>(parent, T::kCas, "cas")->hide();
}

}  // namespace

ProgramFieldControls ProgramFieldControls::Create(QGridLayout& grid, const Arrangement& at) {
  QWidget* parent = grid.parentWidget();
  ProgramFieldControls c;
  // A field and its label, at the label's cell.
  const auto labelled = [&](QWidget* field, const char* label, Cell cell) {
    grid.addWidget(BuddyLabel(parent, label, field), cell.row, cell.column);
    grid.addWidget(field, cell.row, cell.column + 1);
  };
  // Made row by row, left to right, so the keyboard goes through them as they are read.
  struct Making {
    Cell cell;
    std::function<void()> make;
  };
  std::vector<Making> order = {
      {at.name,
       [&] {
         c.name = NamedControl<QLineEdit>(parent, "name");
         // The program name field holds 14 bytes; typing and pasting stop there.
         NameLimit::Attach(c.name, ProgramRecord::kNameWidth);
         labelled(c.name, T::kName, at.name);
       }},
      {at.type,
       [&] {
         c.type = NamedControl<QComboBox>(parent, "type");
         c.type->addItems({Q(T::kTypeUnknown), Q(T::kTypeTv), Q(T::kTypeRadio)});
         labelled(c.type, T::kType, at.type);
       }},
      {at.lock,
       [&] {
         c.lock = NamedTextControl<QCheckBox>(parent, T::kLock, "lock");
         grid.addWidget(c.lock, at.lock.row, at.lock.column);
       }},
  };
  const struct {
    QLineEdit* ProgramFieldControls::*edit;
    const char* label;
    const char* objectName;
    Cell cell;
  } numbers[] = {
      {&ProgramFieldControls::videoPid, T::kVideoPid, "videoPid", at.videoPid},
      {&ProgramFieldControls::audioPid, T::kAudioPid, "audioPid", at.audioPid},
      {&ProgramFieldControls::pcrPid, T::kPcrPid, "pcrPid", at.pcrPid},
      {&ProgramFieldControls::serviceId, T::kServiceId, "serviceId", at.serviceId},
      {&ProgramFieldControls::ttextPid, T::kTtextPid, "ttextPid", at.ttextPid},
      {&ProgramFieldControls::pmt, T::kPmt, "pmt", at.pmt},
  };
  for (const auto& n : numbers)
    order.push_back({n.cell, [&] {
                       c.*n.edit = NamedControl<QLineEdit>(parent, n.objectName);
                       labelled(c.*n.edit, n.label, n.cell);
                     }});
  std::stable_sort(order.begin(), order.end(), [](const Making& a, const Making& b) {
    return a.cell.row != b.cell.row ? a.cell.row < b.cell.row : a.cell.column < b.cell.column;
  });
  for (const Making& m : order) m.make();
  CreateHiddenControls(parent);
  return c;
}

void ProgramFieldControls::Show(const Values& v) const {
  type->setCurrentIndex(v.type >= 0 && v.type < type->count() ? v.type : -1);
  lock->setChecked(v.locked);
  name->setText(v.name);
  videoPid->setText(QString::number(v.numbers.videoPid));
  audioPid->setText(QString::number(v.numbers.audioPid));
  pcrPid->setText(QString::number(v.numbers.pcrPid));
  serviceId->setText(QString::number(v.numbers.serviceId));
  ttextPid->setText(QString::number(v.numbers.ttextPid));
  pmt->setText(QString::number(v.numbers.pmtPid));
}

bool ProgramFieldControls::Differ(const Values& v) const {
  const std::pair<const QLineEdit*, std::uint32_t> numbers[] = {
      {videoPid, v.numbers.videoPid}, {audioPid, v.numbers.audioPid}, {pcrPid, v.numbers.pcrPid},
      {serviceId, v.numbers.serviceId}, {ttextPid, v.numbers.ttextPid}, {pmt, v.numbers.pmtPid}};
  for (const auto& [edit, value] : numbers)
    if (edit->text() != QString::number(value)) return true;
  return name->text() != v.name || lock->isChecked() != v.locked;
}

dbops::ProgramEntry ProgramFieldControls::Entry(const Values& v) {
  return {DataExchange::NameBytes(v.name), v.locked, v.numbers};
}
