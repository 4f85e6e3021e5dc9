#include "ui/channels/ProgramFieldControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <functional>
#include <vector>

#include "db/records/ProgramRecord.h"
#include "ui/channels/GroupChTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/LabelledControl.h"
#include "widgets/NameLimit.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

namespace {

template <typename W>
W* Field(QWidget* parent, const char* label, const char* objectName, const ProgramFieldControls::Place& p) {
  return LabelledControl<W>(parent, label, objectName, p.labelX, p.labelY, p.labelWidth, p.x, p.y, p.width,
                            p.height);
}

void CreateHiddenControls(QWidget* parent) {
  auto* ageLimit = new QComboBox(parent);
  ageLimit->setObjectName(QStringLiteral("ageLimit"));
  ageLimit->setAccessibleName(Q(T::kAgeLimit));
  for (int i = 0; i <= 20; ++i) ageLimit->addItem(QString::number(i));
  ageLimit->hide();
  auto* audioLang = new QComboBox(parent);
  audioLang->setObjectName(QStringLiteral("audioLang"));
  audioLang->setAccessibleName(Q(T::kAudioLang));
  audioLang->hide();
  auto* cas = new QCheckBox(Q(T::kCas), parent);
  cas->setObjectName(QStringLiteral("cas"));
  cas->setAccessibleName(Q(T::kCas));
  cas->hide();
}

}  // namespace

ProgramFieldControls ProgramFieldControls::Create(QWidget* parent, const Layout& layout) {
  ProgramFieldControls c;
  // Made row by row, left to right, so the keyboard goes through them as they are read.
  struct Making {
    int y, x;
    std::function<void()> make;
  };
  std::vector<Making> order = {
      {layout.name.y, layout.name.x,
       [&] {
         c.name = Field<QLineEdit>(parent, T::kName, "name", layout.name);
         // The program name field holds 14 bytes; typing and pasting stop there.
         NameLimit::Attach(c.name, ProgramRecord::kNameWidth);
       }},
      {layout.type.y, layout.type.x,
       [&] {
         c.type = Field<QComboBox>(parent, T::kType, "type", layout.type);
         c.type->addItems({Q(T::kTypeUnknown), Q(T::kTypeTv), Q(T::kTypeRadio)});
       }},
      {layout.lockY, layout.lockX,
       [&] {
         c.lock = new QCheckBox(Q(T::kLock), parent);
         c.lock->setObjectName(QStringLiteral("lock"));
         c.lock->setAccessibleName(Q(T::kLock));
         DialogUnits::Place(c.lock, layout.lockX, layout.lockY, layout.lockWidth, 10);
       }},
  };
  const struct {
    QLineEdit* ProgramFieldControls::*edit;
    const char* label;
    const char* objectName;
    const Place& place;
  } numbers[] = {
      {&ProgramFieldControls::videoPid, T::kVideoPid, "videoPid", layout.videoPid},
      {&ProgramFieldControls::audioPid, T::kAudioPid, "audioPid", layout.audioPid},
      {&ProgramFieldControls::pcrPid, T::kPcrPid, "pcrPid", layout.pcrPid},
      {&ProgramFieldControls::serviceId, T::kServiceId, "serviceId", layout.serviceId},
      {&ProgramFieldControls::ttextPid, T::kTtextPid, "ttextPid", layout.ttextPid},
      {&ProgramFieldControls::pmt, T::kPmt, "pmt", layout.pmt},
  };
  for (const auto& n : numbers)
    order.push_back({n.place.y, n.place.x, [&] { c.*n.edit = Field<QLineEdit>(parent, n.label, n.objectName, n.place); }});
  std::stable_sort(order.begin(), order.end(),
                   [](const Making& a, const Making& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
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
