// The field tables themselves: every field inside its record, names unique, and no two
// fields sharing a byte except a word and the named parts of it. RecordsTest checks the
// accessors against hand-written masks; this checks the tables an export or a comparison
// would walk.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "db/image/ExtraBlock.h"
#include "db/image/ImageHeader.h"
#include "db/records/ChannelDatabase.h"
#include "support/RandomBytes.h"

namespace {

bool IsIdentifier(std::string_view name) {
  if (name.empty() || !std::islower(static_cast<unsigned char>(name[0]))) return false;
  return std::all_of(name.begin(), name.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

// Checks one record's table. When `coversRecord`, the fields that own their bytes (all
// but the parts of a word) must tile the record with no gap, so an export that walks
// the table carries every byte.
template <typename Record>
void ExpectSaneTable(const char* record, bool coversRecord) {
  SCOPED_TRACE(record);
  const auto& table = Record::Fields::kAll;
  std::set<std::string_view> names;
  std::vector<RecordField> owners;  // fields that own their bytes, in table order
  for (const RecordField& f : table) {
    SCOPED_TRACE(std::string(f.name));
    EXPECT_TRUE(IsIdentifier(f.name)) << "not a stable identifier";
    EXPECT_TRUE(names.insert(f.name).second) << "name used twice";
    EXPECT_GT(f.count, 0u);
    EXPECT_LE(f.End(), Record::kSize) << "runs past the record";
    EXPECT_LE(f.lo, f.hi);
    EXPECT_LT(f.hi, 8 * f.unit) << "bits beyond the word";
    if (f.kind == FieldKind::Word) {
      EXPECT_EQ(f.count, 1u);
    }
    if (f.kind == FieldKind::Word || f.kind == FieldKind::Array) {
      EXPECT_TRUE(f.unit == 2 || f.unit == 4);
      EXPECT_EQ(f.offset % f.unit, 0u) << "word not aligned to its size";
    }
    if (!f.IsPartOfWord()) owners.push_back(f);
  }

  // Fields own disjoint bytes, listed in offset order.
  for (std::size_t i = 1; i < owners.size(); ++i)
    EXPECT_LE(owners[i - 1].End(), owners[i].offset) << owners[i - 1].name << " overlaps or follows " << owners[i].name;
  if (coversRecord && !owners.empty()) {
    EXPECT_EQ(owners.front().offset, 0u);
    for (std::size_t i = 1; i < owners.size(); ++i)
      EXPECT_EQ(owners[i - 1].End(), owners[i].offset) << "gap after " << owners[i - 1].name;
    EXPECT_EQ(owners.back().End(), Record::kSize) << "bytes after " << owners.back().name;
  }

  // The one deliberate aliasing: a word's named parts share its bytes. They sit right
  // after the whole word in the table, in bit order, and between them name every bit
  // of it, so a change anywhere in the word shows up under some name.
  const RecordField* word = nullptr;
  std::uint32_t named = 0;
  auto closeWord = [&] {
    if (word && named != 0) {
      EXPECT_EQ(named, word->Mask()) << "bits of " << word->name << " without a name";
    }
  };
  for (const RecordField& f : table) {
    if (!f.IsPartOfWord()) {
      closeWord();
      word = f.kind == FieldKind::Word ? &f : nullptr;
      named = 0;
      continue;
    }
    SCOPED_TRACE(std::string(f.name));
    ASSERT_NE(word, nullptr) << "a part of a word with no whole word before it";
    EXPECT_EQ(f.offset, word->offset);
    EXPECT_EQ(f.unit, word->unit);
    EXPECT_EQ(named & f.Mask(), 0u) << "overlaps another part of " << word->name;
    EXPECT_EQ(named >> f.lo, 0u) << "parts of " << word->name << " out of bit order";
    named |= f.Mask();
  }
  closeWord();
}

TEST(RecordFields, TablesAreSane) {
  ExpectSaneTable<SatelliteRecord>("SatelliteRecord", true);
  ExpectSaneTable<TransponderRecord>("TransponderRecord", true);
  ExpectSaneTable<ProgramRecord>("ProgramRecord", true);
  ExpectSaneTable<FavoriteGroupRecord>("FavoriteGroupRecord", true);
  ExpectSaneTable<ServiceList>("ServiceList", true);
  ExpectSaneTable<SystemBlock>("SystemBlock", true);
  ExpectSaneTable<ImageHeader>("ImageHeader", true);
  // Only the first word of the extra block has a meaning; the rest is not a field.
  ExpectSaneTable<ExtraBlock>("ExtraBlock", false);
}

// Writing any word field through its table entry changes its own bits and nothing else,
// and reads back what was written.
template <typename Record>
void ExpectWordFieldsStayInside(const char* record) {
  SCOPED_TRACE(record);
  for (const RecordField& f : Record::Fields::kAll) {
    if (f.kind != FieldKind::Word) continue;
    SCOPED_TRACE(std::string(f.name));
    auto r = std::make_unique<Record>();
    testdata::FillRandom(r->Bytes(), Record::kSize, 3);
    const auto before = std::make_unique<Record>(*r);
    const std::uint32_t value = ~field::Get(r->Bytes(), f) & (f.Mask() >> f.lo);
    field::Set(r->Bytes(), f, value);
    EXPECT_EQ(field::Get(r->Bytes(), f), value);
    for (std::size_t i = 0; i < Record::kSize; ++i) {
      if (i >= f.offset && i < f.End()) continue;
      ASSERT_EQ(r->Bytes()[i], before->Bytes()[i]) << "byte " << i;
    }
    std::uint8_t was[4] = {}, now[4] = {};
    std::memcpy(was, before->Bytes() + f.offset, f.unit);
    std::memcpy(now, r->Bytes() + f.offset, f.unit);
    const std::uint32_t changed = bytes::LoadU32(was) ^ bytes::LoadU32(now);
    EXPECT_EQ(changed & ~f.Mask(), 0u) << "bits outside the field changed";
  }
}

TEST(RecordFields, WordFieldsStayInsideTheirBits) {
  ExpectWordFieldsStayInside<SatelliteRecord>("SatelliteRecord");
  ExpectWordFieldsStayInside<TransponderRecord>("TransponderRecord");
  ExpectWordFieldsStayInside<ProgramRecord>("ProgramRecord");
  ExpectWordFieldsStayInside<FavoriteGroupRecord>("FavoriteGroupRecord");
  ExpectWordFieldsStayInside<ServiceList>("ServiceList");
  ExpectWordFieldsStayInside<SystemBlock>("SystemBlock");
  ExpectWordFieldsStayInside<ImageHeader>("ImageHeader");
  ExpectWordFieldsStayInside<ExtraBlock>("ExtraBlock");
}

}  // namespace
