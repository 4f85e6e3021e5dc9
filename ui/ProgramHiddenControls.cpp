#include "ui/ProgramHiddenControls.h"

#include <QCheckBox>
#include <QComboBox>

#include "ui/GroupChTexts.h"

namespace {
QString L(const char* text) { return QString::fromLatin1(text); }
}  // namespace

void CreateHiddenProgramControls(QWidget* parent) {
  namespace T = GroupChTexts;
  auto* ageLimit = new QComboBox(parent);
  ageLimit->setObjectName(QStringLiteral("ageLimit"));
  ageLimit->setAccessibleName(L(T::kAgeLimit));
  for (int i = 0; i <= 20; ++i) ageLimit->addItem(QString::number(i));
  ageLimit->hide();
  auto* audioLang = new QComboBox(parent);
  audioLang->setObjectName(QStringLiteral("audioLang"));
  audioLang->setAccessibleName(L(T::kAudioLang));
  audioLang->hide();
  auto* cas = new QCheckBox(L(T::kCas), parent);
  cas->setObjectName(QStringLiteral("cas"));
  cas->setAccessibleName(L(T::kCas));
  cas->hide();
}
