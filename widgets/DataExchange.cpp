#include "widgets/DataExchange.h"

#include <QLineEdit>
#include <QList>

#include "db/records/Cp1252.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace DataExchange {

std::optional<std::uint32_t> ScanUnsigned(const QString& text) {
  const QString s = text.left(63);
  qsizetype i = 0;
  while (i < s.size() && (s[i] == u' ' || s[i] == u'\t' || s[i] == u'\n' || s[i] == u'\r' ||
                          s[i] == u'\v' || s[i] == u'\f'))
    ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
    negative = s[i] == u'-';
    ++i;
  }
  std::uint64_t magnitude = 0;
  bool any = false;
  bool overflow = false;
  for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i) {
    any = true;
    magnitude = magnitude * 10 + std::uint64_t(s[i].unicode() - u'0');
    if (magnitude > 0xFFFFFFFFull) {
      overflow = true;
      magnitude = 0xFFFFFFFFull;
    }
  }
  if (!any) return std::nullopt;
  if (overflow) return 0xFFFFFFFFu;
  std::uint32_t v = std::uint32_t(magnitude);
  return negative ? std::uint32_t(0u - v) : v;
}

QString NameFromField(const std::uint8_t* field, std::size_t width) {
  return NameText(cp1252::DecodeField(field, width));
}

QString NameText(const std::u32string& name) { return QString::fromUcs4(name.data(), qsizetype(name.size())); }

QString NameFromBytes(const std::string& bytes) {
  return NameFromField(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::optional<std::string> NameToBytes(const QString& text) {
  std::string out;
  for (char32_t cp : text.toUcs4()) {
    auto b = cp1252::Encode(cp);
    if (!b) return std::nullopt;
    out.push_back(char(*b));
  }
  return out;
}

namespace {

bool Refuse(QWidget* parent, QLineEdit* edit, const QString& message) {
  Prompt::Message(parent, message);
  edit->setFocus();
  return false;
}

}  // namespace

bool ExchangeUnsigned(QWidget* parent, QLineEdit* edit, std::uint32_t& value, std::uint32_t max) {
  const auto scanned = ScanUnsigned(edit->text());
  if (!scanned) return Refuse(parent, edit, Texts::Q(Texts::kPositiveInteger));
  if (*scanned > max) return Refuse(parent, edit, Texts::Q(Texts::kIntegerBetween).arg(0).arg(max));
  value = *scanned;
  return true;
}

bool ExchangeName(QWidget* parent, QLineEdit* edit, std::size_t width, QString& value) {
  const QString text = edit->text();
  // Counted in the record's bytes: one a character.
  if (std::size_t(text.toUcs4().size()) > width) return Refuse(parent, edit, Texts::Q(Texts::kNoMoreThan).arg(width));
  if (!NameToBytes(text)) return Refuse(parent, edit, Texts::Q(Texts::kNameNotStorable));
  value = text;
  return true;
}

std::string NameBytes(const QString& text) { return NameToBytes(text).value_or(std::string()); }

}  // namespace DataExchange
