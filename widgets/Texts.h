#pragma once
// Texts the window shows that more than one dialog or page uses. Each subsystem keeps
// its own texts in its own table (db/document/DbTexts.h, link/LinkTexts.h, ui/satellites/SatTPTexts.h,
// ui/channels/GroupChTexts.h, ui/transfer/LinkDialogTexts.h, app/AppTexts.h).
//
// Every table marks its texts with QT_TRANSLATE_NOOP under a context named after the
// table, so lupdate collects them into translations/quelmar_*.ts. The English text
// stays the key: Q and U look it up in the translation in force and give it back
// unchanged when there is none (English, the C locale, a text not yet translated).

#include <QString>
#include <QStringList>

namespace Texts {

inline constexpr const char* kAppTitle = "Quelmar";

// Field exchange messages shared by every dialog with numbers or names.
inline constexpr const char* kPositiveInteger = QT_TRANSLATE_NOOP("Texts", "Please enter a positive integer.");
inline constexpr const char* kIntegerBetween = QT_TRANSLATE_NOOP("Texts", "Please enter an integer between %1 and %2.");
inline constexpr const char* kNoMoreThan = QT_TRANSLATE_NOOP("Texts", "Please enter no more than %1 characters.");
// Names are stored in the receiver's single-byte Western code page.
inline constexpr const char* kNameNotStorable =
    QT_TRANSLATE_NOOP("Texts", "The name contains characters the receiver cannot store.");
// A name typed or pasted past what its record holds was cut there (%1: the bytes held).
inline constexpr const char* kNameCut =
    QT_TRANSLATE_NOOP("Texts", "The name was cut to %1 characters, as many as the receiver stores.");
// Leaving a row whose Info area holds typed values (%1: the stored name).
inline constexpr const char* kApplyChanges = QT_TRANSLATE_NOOP("Texts", "Apply the changes to [%1]?");

// A text of the tables as the widgets take it, in the language in force. The tables
// hold plain ASCII where Q is used; an untranslated text reads as Latin-1, as always.
QString Q(const char* text);
// The same for the texts that hold UTF-8 (an ellipsis, an arrow).
QString U(const char* text);
// The translation of a table text, or a null string where the language in force has
// none (English, or a text not translated yet).
QString Translated(const char* text);

// The contexts the tables mark their texts under, in the order a text is looked up.
// A text shared by several tables reads alike in all of them (the translation test
// holds the catalogue to that), so the order never decides a translation.
const QStringList& Contexts();

}  // namespace Texts
