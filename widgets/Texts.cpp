#include "widgets/Texts.h"

#include <QCoreApplication>

namespace Texts {

namespace {
// One context a table (the *Texts.h files) and one for each dialog that keeps its few
// texts beside its code.
constexpr const char* kContexts[] = {
    "Texts",          "AppTexts",           "StepTexts",           "GroupChTexts",       "SatTPTexts",
    "DuplicateTexts", "ExchangeDialogTexts", "LinkDialogTexts",    "DbTexts",            "JournalTexts",
    "OperationTexts", "ReferenceListTexts", "ReferenceOrderTexts", "LinkTexts",          "CheckKinds",
    "DatabaseDiffTexts", "CInputName",      "PrintTexts",          "ChannelColumnTexts", "ImportTexts",
    "TransponderListTexts", "TransponderListDialogTexts",
    "ProgramDiffTexts",
};
}  // namespace

const QStringList& Contexts() {
  static const QStringList contexts = [] {
    QStringList list;
    for (const char* c : kContexts) list << QString::fromLatin1(c);
    return list;
  }();
  return contexts;
}

QString Translated(const char* text) {
  if (text == nullptr || *text == '\0') return {};
  const QString source = QString::fromUtf8(text);
  for (const char* context : kContexts) {
    QString t = QCoreApplication::translate(context, text);
    if (t != source) return t;
  }
  return {};
}

QString Q(const char* text) {
  QString t = Translated(text);
  return t.isNull() ? QString::fromLatin1(text) : t;
}

QString U(const char* text) {
  QString t = Translated(text);
  return t.isNull() ? QString::fromUtf8(text) : t;
}

}  // namespace Texts
