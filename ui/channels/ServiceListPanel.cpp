#include "ui/channels/ServiceListPanel.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/channels/GroupChPageState.h"
#include "ui/channels/GroupChTexts.h"
#include "widgets/NamedControl.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

ServiceListPanel::ServiceListPanel(DocEditing& doc, QWidget& page)
    : ChannelListPanel(doc, page, T::kTvRadioBox, "tvRadioBox") {
  kind_ = NamedControl<QComboBox>(this, "kind", T::kTvRadioBox);
  Column().addWidget(kind_);
  MakeList("service", T::kTvRadioBox, T::kSearchServices);
  // Between the two boxes: the page puts it there.
  copyRight_ = NamedTextControl<QPushButton>(&page, T::kCopyRight, "copyRight");
}

int ServiceListPanel::Kind() const { return kind_->currentIndex(); }

void ServiceListPanel::ResetKinds(bool offer) {
  const QSignalBlocker block(kind_);
  kind_->clear();
  if (!offer) return;
  kind_->addItems({Q(T::kKindTv), Q(T::kKindRadio)});
  kind_->setCurrentIndex(int(ServiceKind::Tv));
  shownKind_ = int(ServiceKind::Tv);
}

void ServiceListPanel::ChooseKind(int kind) { kind_->setCurrentIndex(kind); }

void ServiceListPanel::OnKind(std::function<bool()> mayLeave, std::function<void(int)> show) {
  // Another list leaves the Info area's row: its typed values are settled first, or the
  // choice goes back.
  connect(kind_, &QComboBox::currentIndexChanged, this, [this, mayLeave, show](int row) {
    if (row != shownKind_ && !mayLeave()) {
      const QSignalBlocker block(kind_);
      kind_->setCurrentIndex(shownKind_);
      return;
    }
    shownKind_ = row;
    show(row);
  });
}
