#include "app/WindowPlacement.h"

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

bool WindowPlacement::FitsAScreen() const {
  if (!geometry.isValid() || geometry.isEmpty()) return false;
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->geometry().contains(geometry)) return true;
  }
  return false;
}
