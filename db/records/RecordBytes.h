#pragma once
// The raw little-endian bytes of one record, with access to the fields its table
// declares. A record type derives from it with its field table and adds accessors in
// the receiver's terms; a field of another record's table does not compile.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "db/records/RecordField.h"

template <typename Table, std::size_t N>
class RecordBytes {
 public:
  using Fields = Table;  // Record::Fields::kAll lists every field of the record
  static constexpr std::size_t kSize = N;

  // A word field by its table constant: Get<ProgramFields::kTransponderIndex>().
  template <const RecordField& F>
  std::uint32_t Get() const {
    static_assert(kDeclares<F, FieldKind::Word>, "not a word field of this record");
    return field::Get(b_, F);
  }
  template <const RecordField& F>
  void Set(std::uint32_t value) {
    static_assert(kDeclares<F, FieldKind::Word>, "not a word field of this record");
    field::Set(b_, F, value);
  }

  const std::uint8_t* Bytes() const { return b_; }
  std::uint8_t* Bytes() { return b_; }

  bool operator==(const RecordBytes&) const = default;

 protected:
  template <const RecordField& F>
  std::uint16_t GetAt(std::size_t index) const {
    static_assert(kDeclares<F, FieldKind::Array>, "not a array field of this record");
    return field::GetAt(b_, F, index);
  }
  template <const RecordField& F>
  void SetAt(std::size_t index, std::uint16_t value) {
    static_assert(kDeclares<F, FieldKind::Array>, "not a array field of this record");
    field::SetAt(b_, F, index, value);
  }
  template <const RecordField& F>
  std::string GetText() const {
    static_assert(kDeclares<F, FieldKind::Text>, "not a text field of this record");
    return field::GetText(b_, F);
  }
  template <const RecordField& F>
  void SetText(std::string_view text) {
    static_assert(kDeclares<F, FieldKind::Text>, "not a text field of this record");
    field::SetText(b_, F, text);
  }
  template <const RecordField& F>
  bool TextIs(std::string_view text) const {
    static_assert(kDeclares<F, FieldKind::Text>, "not a text field of this record");
    return field::TextIs(b_, F, text);
  }

  std::uint8_t b_[N] = {};

 private:
  template <const RecordField& F, FieldKind K>
  static constexpr bool kDeclares = field::Declares(Table::kAll, F) && F.kind == K;
};
