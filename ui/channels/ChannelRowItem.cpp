#include "ui/channels/ChannelRowItem.h"

#include "ui/channels/GroupChTexts.h"
#include "widgets/Texts.h"

QVariant ChannelRowItem::data(int role) const {
  // Asked for only by assistive technology: the position is looked up then, so moves
  // and refills never have to renumber the rows.
  if (role == Qt::AccessibleDescriptionRole && listWidget())
    return Texts::Q(GroupChTexts::kNumberDescription).arg(listWidget()->row(this) + 1);
  return QListWidgetItem::data(role);
}
