#include "app/PageGrowth.h"

#include "ui/channels/CPageGroupCh.h"
#include "widgets/GrowLayout.h"

namespace {

QWidget* Named(QWidget& page, const char* name) {
  return page.findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

}  // namespace

namespace PageGrowth {

void Attach(CPageGroupCh& page) {
  auto* grow = new GrowLayout(&page);
  grow->Add(Named(page, "tvRadioBox"), {0, 0, 0.5, 1});
  grow->Add(Named(page, "serviceList"), {0, 0, 0.5, 1});
  grow->Add(Named(page, "serviceSearch"), {0, 0, 0.5, 0});
  grow->Add(Named(page, "serviceSatellites"), {0, 0, 0.3, 0});
  grow->Add(Named(page, "serviceStates"), {0.3, 0, 0.2, 0});
  for (const char* button : {"copyRight", "copyLeft"}) grow->Add(Named(page, button), {0.5, 0.5, 0, 0});
  grow->Add(Named(page, "favoriteBox"), {0.5, 0, 0.5, 1});
  grow->Add(Named(page, "groupList"), {0.5, 0, 0.5, 1});
  grow->Add(Named(page, "groupSearch"), {0.5, 0, 0.5, 0});
  grow->Add(Named(page, "groupSatellites"), {0.5, 0, 0.3, 0});
  grow->Add(Named(page, "groupStates"), {0.8, 0, 0.2, 0});
  for (const char* control : {"groupCombo", "addGroup", "renameGroup", "deleteGroup"})
    grow->Add(Named(page, control), {0.5, 0, 0, 0});
  // The program fields and their labels lie on the page within the box; all move down.
  grow->AddWithin(Named(page, "infoBox"), {0, 1, 0, 0});
}

}  // namespace PageGrowth
