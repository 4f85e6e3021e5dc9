#include "ui/channels/ServiceListPanel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>

#include "ui/channels/GroupChPageState.h"
#include "ui/channels/GroupChTexts.h"
#include "widgets/PlacedControl.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

ServiceListPanel::ServiceListPanel(DocEditing& doc, QWidget& page) : ChannelListPanel(doc, page) {
  PlacedTextControl<QGroupBox>(&page, T::kTvRadioBox, "tvRadioBox", 7, 4, 150, 204);
  kind_ = PlacedControl<QComboBox>(&page, "kind", T::kTvRadioBox, 14, 16, 136, 14);
  MakeList("service", T::kTvRadioBox, T::kSearchServices, 33, 14, 136, 49, 152);
  copyRight_ = PlacedTextControl<QPushButton>(&page, T::kCopyRight, "copyRight", 163, 84, 36, 14);
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
