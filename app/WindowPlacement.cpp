#include "app/WindowPlacement.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include "app/AppTexts.h"
#include "widgets/Texts.h"

using Texts::Q;

WindowPlacement WindowPlacement::Load() {
  QSettings store(Q(AppTexts::kSettingsOrganization), Q(AppTexts::kSettingsApplication));
  store.beginGroup(Q(AppTexts::kWindowSection));
  WindowPlacement p;
  p.geometry = store.value(Q(AppTexts::kWindowGeometryKey)).toRect();
  p.maximized = store.value(Q(AppTexts::kWindowMaximizedKey), false).toBool();
  bool ok = false;
  p.page = store.value(Q(AppTexts::kWindowPageKey), -1).toInt(&ok);
  if (!ok) p.page = -1;
  p.serviceColumns = store.value(Q(AppTexts::kServiceColumnsKey)).toByteArray();
  p.groupColumns = store.value(Q(AppTexts::kGroupColumnsKey)).toByteArray();
  return p;
}

void WindowPlacement::Save() const {
  QSettings store(Q(AppTexts::kSettingsOrganization), Q(AppTexts::kSettingsApplication));
  store.beginGroup(Q(AppTexts::kWindowSection));
  store.setValue(Q(AppTexts::kWindowGeometryKey), geometry);
  store.setValue(Q(AppTexts::kWindowMaximizedKey), maximized);
  if (!serviceColumns.isEmpty()) store.setValue(Q(AppTexts::kServiceColumnsKey), serviceColumns);
  if (!groupColumns.isEmpty()) store.setValue(Q(AppTexts::kGroupColumnsKey), groupColumns);
  if (page >= 0) {
    store.setValue(Q(AppTexts::kWindowPageKey), page);
  } else {
    store.remove(Q(AppTexts::kWindowPageKey));
  }
}

QRect WindowPlacement::OnScreen(const QSize& minimum, const QMargins& frame) const {
  if (!geometry.isValid() || geometry.isEmpty()) return {};
  const QScreen* best = nullptr;
  qint64 bestArea = 0;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect common = screen->geometry().intersected(geometry);
    const qint64 area = qint64(common.width()) * common.height();
    if (area > bestArea) {
      best = screen;
      bestArea = area;
    }
  }
  if (!best) return {};
  // The room the window's inside has on that screen.
  const QRect room = best->availableGeometry().marginsRemoved(frame);
  const QSize size = geometry.size().expandedTo(minimum).boundedTo(room.size());
  const int x = std::clamp(geometry.x(), room.left(), std::max(room.left(), room.right() + 1 - size.width()));
  const int y = std::clamp(geometry.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height()));
  return {QPoint(x, y), size};
}
