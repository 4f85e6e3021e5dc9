#pragma once
// Reading and writing dialog fields the way the receiver's fields need them.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

class QLineEdit;
class QWidget;

namespace DataExchange {

// Scans a number like the C library's "%u": at most the first 63 characters are read,
// leading blanks skipped, an optional sign, then decimal digits; anything after the
// digits is ignored and a minus sign wraps the value as unsigned 32-bit. A magnitude
// that does not fit in 32 bits gives 0xFFFFFFFF, so a range check always refuses it.
// Nothing when no digit follows.
std::optional<std::uint32_t> ScanUnsigned(const QString& text);

// A record's name field as text (bytes up to the first NUL, or the whole field).
QString NameFromField(const std::uint8_t* field, std::size_t width);
// Name bytes as read from a record, as text.
QString NameFromBytes(const std::string& bytes);
// A name the read model decoded (channelrows), as text.
QString NameText(const std::u32string& name);

// Text as name bytes in the receiver's code page; nothing when a character cannot be
// stored. The caller checks the length against the field width.
std::optional<std::string> NameToBytes(const QString& text);

// ---- reading one field of a dialog or page, in its exchange order ------------
// On a bad entry the message is shown over `parent`, the field gets the keyboard focus,
// `value` keeps what it held and false comes back; the caller stops reading there.

// A number, scanned as ScanUnsigned does. No number: "Please enter a positive
// integer."; above `max`: "Please enter an integer between 0 and `max`.".
bool ExchangeUnsigned(QWidget* parent, QLineEdit* edit, std::uint32_t& value,
                      std::uint32_t max = std::numeric_limits<std::uint32_t>::max());

// A name for a record field of `width` bytes. Longer: "Please enter no more than
// `width` characters."; a character the receiver's code page lacks: the message saying
// so.
bool ExchangeName(QWidget* parent, QLineEdit* edit, std::size_t width, QString& value);

// The entered name as record bytes; a name the code page cannot hold (which
// ExchangeName refuses) gives an empty name.
std::string NameBytes(const QString& text);

}  // namespace DataExchange
