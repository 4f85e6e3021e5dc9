#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include "app/AppTexts.h"

namespace {

QString L1(const char* text) { return QString::fromLatin1(text); }

}  // namespace

WindowPlacement WindowPlacement::Load() {
  QSettings store(L1(AppTexts::kSettingsOrganization), L1(AppTexts::kSettingsApplication));
  store.beginGroup(L1(AppTexts::kWindowSection));
  WindowPlacement p;
  p.geometry = store.value(L1(AppTexts::kWindowGeometryKey)).toRect();
  p.maximized = store.value(L1(AppTexts::kWindowMaximizedKey), false).toBool();
  bool ok = false;
  p.page = store.value(L1(AppTexts::kWindowPageKey), -1).toInt(&ok);
  if (!ok) p.page = -1;
  return p;
}

void WindowPlacement::Save() const {
  QSettings store(L1(AppTexts::kSettingsOrganization), L1(AppTexts::kSettingsApplication));
  store.beginGroup(L1(AppTexts::kWindowSection));
  store.setValue(L1(AppTexts::kWindowGeometryKey), geometry);
  store.setValue(L1(AppTexts::kWindowMaximizedKey), maximized);
  if (page >= 0) {
    store.setValue(L1(AppTexts::kWindowPageKey), page);
  } else {
    store.remove(L1(AppTexts::kWindowPageKey));
  }
}

bool WindowPlacement::FitsAScreen() const {
  if (!geometry.isValid() || geometry.isEmpty()) return false;
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->geometry().contains(geometry)) return true;
  }
  return false;
}
