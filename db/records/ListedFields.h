#pragma once
// The fields a listing of a record walks (an export, an import, a comparison): every
// field that owns its bytes, except that a word with named parts is listed by its parts
// instead of as a whole. Each bit of the record then belongs to exactly one listed
// field, so nothing is written twice and nothing is left out.
#include <span>
#include <vector>

#include "db/records/RecordField.h"

namespace field {

inline std::vector<RecordField> Listed(std::span<const RecordField> table) {
  auto hasParts = [&](const RecordField& word) {
    for (const RecordField& f : table)
      if (f.IsPartOfWord() && f.offset == word.offset) return true;
    return false;
  };
  std::vector<RecordField> out;
  for (const RecordField& f : table)
    if (f.IsPartOfWord() || f.kind != FieldKind::Word || !hasParts(f)) out.push_back(f);
  return out;
}

// The listed fields of a record type, worked out once.
template <typename Record>
const std::vector<RecordField>& ListedOf() {
  static const std::vector<RecordField> listed = Listed(Record::Fields::kAll);
  return listed;
}

// The listed field of that name, or null.
inline const RecordField* Find(std::span<const RecordField> listed, std::string_view name) {
  for (const RecordField& f : listed)
    if (f.name == name) return &f;
  return nullptr;
}

}  // namespace field
