#pragma once
// Texts the window shows that more than one dialog or page uses. Each subsystem keeps
// its own texts in its own table (db/document/DbTexts.h, link/LinkTexts.h, ui/satellites/SatTPTexts.h,
// ui/channels/GroupChTexts.h, ui/transfer/LinkDialogTexts.h, app/AppTexts.h).

#include <QString>

namespace Texts {

inline constexpr const char* kAppTitle = "Quelmar";

// Field exchange messages shared by every dialog with numbers or names.
inline constexpr const char* kPositiveInteger = "Please enter a positive integer.";
inline constexpr const char* kIntegerBetween = "Please enter an integer between %1 and %2.";
inline constexpr const char* kNoMoreThan = "Please enter no more than %1 characters.";
// Names are stored in the receiver's single-byte Western code page.
inline constexpr const char* kNameNotStorable =
    "The name contains characters the receiver cannot store.";
// A name typed or pasted past what its record holds was cut there (%1: the bytes held).
inline constexpr const char* kNameCut = "The name was cut to %1 characters, as many as the receiver stores.";
// Leaving a row whose Info area holds typed values (%1: the stored name).
inline constexpr const char* kApplyChanges = "Apply the changes to [%1]?";

// A text of these tables as the widgets take it; the tables hold plain ASCII.
inline QString Q(const char* text) { return QString::fromLatin1(text); }

}  // namespace Texts
