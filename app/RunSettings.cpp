#include "app/RunSettings.h"

#include "app/AppTexts.h"
#include "db/document/CQuelmarDoc.h"
#include "widgets/Texts.h"

RunSettings::RunSettings(CQuelmarDoc& doc) : doc_(doc) { doc_.SetDbType(AppSettings{}.dbType); }

AppSettings RunSettings::Get() const {
  AppSettings settings;
  settings.link = link_;
  settings.dbType = doc_.GetDbType();
  return settings;
}

void RunSettings::Set(const AppSettings& settings) {
  link_ = settings.link;
  if (dbtype::IsValid(settings.dbType) && settings.dbType != doc_.GetDbType())
    doc_.ChangeVariant(settings.dbType, Texts::Q(AppTexts::kChangeVariantStep)
                                            .arg(Texts::U(dbtype::kNames[settings.dbType]))
                                            .toStdString());
}
