#include "app/AppLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <QTranslator>

#include "app/AppTexts.h"

namespace AppLanguage {

namespace {

QString L1(const char* text) { return QString::fromLatin1(text); }

constexpr const char* kCodes[] = {"", "en", "de"};

}  // namespace

Choice Chosen() {
  QSettings store(L1(AppTexts::kSettingsOrganization), L1(AppTexts::kSettingsApplication));
  const QString code = store.value(L1(AppTexts::kLanguageKey)).toString();
  if (code == QLatin1String("en")) return Choice::English;
  if (code == QLatin1String("de")) return Choice::German;
  return Choice::System;
}

void Choose(Choice choice) {
  QSettings store(L1(AppTexts::kSettingsOrganization), L1(AppTexts::kSettingsApplication));
  if (choice == Choice::System)
    store.remove(L1(AppTexts::kLanguageKey));
  else
    store.setValue(L1(AppTexts::kLanguageKey), L1(kCodes[int(choice)]));
}

QStringList Wanted(Choice choice) {
  if (choice == Choice::System) return QLocale::system().uiLanguages();
  return {L1(kCodes[int(choice)])};
}

QString Install(const QStringList& languages) {
  for (const QString& language : languages) {
    const QLocale locale(language);
    // The C locale and English read the tables as they are.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) return QStringLiteral("en");
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(QStringLiteral(":/i18n/quelmar_%1").arg(QLocale::languageToCode(locale.language())))) {
      delete own;
      continue;
    }
    QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(qt);
    } else {
      delete qt;
    }
    return QLocale::languageToCode(locale.language());
  }
  return QStringLiteral("en");
}

}  // namespace AppLanguage
