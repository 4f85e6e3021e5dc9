#pragma once
// The separate 64 KiB block a TypeB-6/TypeC database owns. Only its first word travels
// in the image; the rest has no defined content.
#include <cstddef>
#include <cstdint>

#include "db/records/RecordBytes.h"
#include "db/records/RecordField.h"

// The one field of the extra block; its other bytes are not a field of anything.
struct ExtraBlockFields {
  static constexpr RecordField kExtraWord = field::U32("extraWord", 0);

  static constexpr RecordField kAll[] = {kExtraWord};
};

class ExtraBlock : public RecordBytes<ExtraBlockFields, 65536> {
  using F = ExtraBlockFields;

 public:
  std::uint32_t ExtraWord() const { return Get<F::kExtraWord>(); }
  void SetExtraWord(std::uint32_t v) { Set<F::kExtraWord>(v); }
};
