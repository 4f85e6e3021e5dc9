#pragma once
// The language the window speaks. The desktop's locale decides (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, as Qt reads them) unless the user chose one under View > Language;
// the choice is kept in the settings and takes effect at the next start, when the
// window's texts are built.
#include <QString>

class QCoreApplication;

namespace AppLanguage {

// What View > Language offers: the desktop's language, or one of the program's own.
enum class Choice { System, English, German };

Choice Chosen();
void Choose(Choice choice);

// Installs the window's translation and Qt's own (for the standard dialogs' buttons)
// for `languages` (first preferred), stopping at the first the program speaks;
// English is the program's own and needs none. Returns the language taken ("en" when
// none was installed). Call once, before the window is built.
QString Install(const QStringList& languages);
// The languages of the choice in force: the desktop's or the one chosen.
QStringList Wanted(Choice choice);

}  // namespace AppLanguage
