// View > Language: the desktop's language until the user picks one; the pick is kept in
// the settings for the next start, and the window says it takes effect then.
#include <QLocale>

#include "../app/AppTestSupport.h"
#include "app/AppLanguage.h"

namespace {

class LanguageMenu : public apptest::AppTest {};

TEST_F(LanguageMenu, TheChoiceIsKeptForTheNextStart) {
  struct Step {
    const char* item;
    AppLanguage::Choice kept;
    int messages;  // the restart notice, only when the choice changes
  };
  const Step steps[] = {
      {"languageGerman", AppLanguage::Choice::German, 1},
      {"languageGerman", AppLanguage::Choice::German, 0},
      {"languageEnglish", AppLanguage::Choice::English, 1},
      {"languageSystem", AppLanguage::Choice::System, 1},
  };
  CQuelmarApp app;
  ASSERT_TRUE(app.InitInstance({}));
  CMainFrame& frame = *app.MainFrame();
  EXPECT_TRUE(apptest::Action(frame, "languageSystem")->isChecked());
  for (const Step& s : steps) {
    SCOPED_TRACE(s.item);
    apptest::Trigger(frame, s.item);
    EXPECT_EQ(AppLanguage::Chosen(), s.kept);
    EXPECT_TRUE(apptest::Action(frame, s.item)->isChecked());
    const QStringList shown = Prompt::TakeMessages();
    EXPECT_EQ(shown.size(), s.messages);
    if (s.messages) {
      EXPECT_EQ(shown.front(), QStringLiteral("The language changes when Quelmar is started again."));
    }
  }
}

// Which languages a start asks for: the desktop's in its order, or the one chosen. The
// program's own English needs no catalogue, and nothing is installed for it.
TEST_F(LanguageMenu, TheChoiceDecidesTheLanguagesAsked) {
  EXPECT_EQ(AppLanguage::Wanted(AppLanguage::Choice::German), QStringList{"de"});
  EXPECT_EQ(AppLanguage::Wanted(AppLanguage::Choice::English), QStringList{"en"});
  EXPECT_EQ(AppLanguage::Wanted(AppLanguage::Choice::System), QLocale::system().uiLanguages());
  for (const QStringList& languages : {QStringList{"en"}, QStringList{"en-GB", "de-DE"}, QStringList{"C"}, QStringList{"xx"}})
    EXPECT_EQ(AppLanguage::Install(languages), QStringLiteral("en")) << languages.join(',').toStdString();
}

}  // namespace
