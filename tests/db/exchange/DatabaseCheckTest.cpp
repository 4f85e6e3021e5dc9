// The consistency check: each kind of problem on a database built to have exactly that
// problem, and nothing on clean databases.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "db/exchange/DatabaseCheck.h"
#include "db/image/DatabaseImage.h"
#include "db/image/ImageHeader.h"
#include "db/operations/DuplicatePrograms.h"
#include "db/operations/SampleDatabase.h"
#include "db/records/ByteOrder.h"
#include "db/records/TableNames.h"
#include "support/DbBuilders.h"

namespace {

using testkit::PutGroup;
using testkit::PutList;
using testkit::PutProgram;
using testkit::PutSatellite;
using testkit::PutTransponder;

// One satellite, two transponders, programs 0-99 on TV and 100-119 on radio, a full
// group and a small one: nothing wrong with it.
std::unique_ptr<ChannelDatabase> CleanDb() {
  auto db = testkit::EmptyDb();
  PutSatellite(*db, 0, "Meridian 19.2E");
  PutTransponder(*db, 0, 0, 11836, 27500, TransponderRecord::kHorizontal);
  PutTransponder(*db, 1, 0, 12188, 27500, TransponderRecord::kVertical);
  std::vector<int> tv, radio, fav;
  for (int i = 0; i < 120; ++i) {
    ProgramRecord& p = PutProgram(*db, i, "P" + std::to_string(i), i % 2, i < 100 ? ProgramRecord::kTv : ProgramRecord::kRadio);
    p.SetServiceId(std::uint16_t(1000 + i));
    p.SetVideoPid(i < 100 ? 0x100 : 0, 0);
    (i < 100 ? tv : radio).push_back(i);
    if (i < 100) fav.push_back(i);
  }
  PutList(db->channelLists.tvList, tv);
  PutList(db->channelLists.radioList, radio);
  PutGroup(*db, 0, "Favourites", fav);
  PutGroup(*db, 1, "News", {5, 7});
  return db;
}

void Append(ServiceList& l, int slot) {
  l.SetEntry(l.Count(), std::uint16_t(slot));
  l.SetCount(std::uint16_t(l.Count() + 1));
}
void AppendMember(FavoriteGroupRecord& g, int slot) {
  g.SetMember(g.MemberCount(), std::uint16_t(slot));
  g.SetMemberCount(g.MemberCount() + 1);
}

std::string Kinds(const CheckReport& r) {
  std::string out;
  for (const Problem& p : r.problems) out += std::string(p.KindId()) + " (" + p.message + ")\n";
  return out;
}

struct Case {
  CheckKind kind;
  std::function<void(ChannelDatabase&)> make;
  std::string_view table;
  int slot;
  int position = -1;
  int dbType = 0;
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {CheckKind::ListEntryBeyondTable, [](auto& db) { Append(db.channelLists.tvList, 4001); }, tables::kTvList, 100},
      {CheckKind::ListEntryNotUsed, [](auto& db) { Append(db.channelLists.radioList, 500); }, tables::kRadioList, 20},
      {CheckKind::ListEntryDuplicate, [](auto& db) { Append(db.channelLists.tvList, 5); }, tables::kTvList, 100},
      {CheckKind::GroupCountOverCapacity,
       [](auto& db) { db.channelLists.favoriteGroups[0].SetMemberCount(101); }, tables::kFavoriteGroups, 0},
      {CheckKind::GroupMemberBeyondTable,
       [](auto& db) { AppendMember(db.channelLists.favoriteGroups[1], 5000); }, tables::kFavoriteGroups, 1, 2},
      {CheckKind::GroupMemberNotUsed,
       [](auto& db) { AppendMember(db.channelLists.favoriteGroups[1], 600); }, tables::kFavoriteGroups, 1, 2},
      {CheckKind::GroupMemberDuplicate,
       [](auto& db) { AppendMember(db.channelLists.favoriteGroups[1], 5); }, tables::kFavoriteGroups, 1, 2},
      {CheckKind::ProgramNotListed,
       [](auto& db) { PutProgram(db, 120, "Hidden", 0).SetServiceId(5000); }, tables::kPrograms, 120},
      {CheckKind::ProgramTransponderBeyondTable, [](auto& db) { db.programs[3].SetTransponderIndex(3000); },
       tables::kPrograms, 3},
      {CheckKind::ProgramTransponderNotUsed, [](auto& db) { db.programs[3].SetTransponderIndex(5); },
       tables::kPrograms, 3},
      {CheckKind::TransponderSatelliteBeyondTable, [](auto& db) { db.transponders[1].SetSatelliteIndex(200); },
       tables::kTransponders, 1},
      {CheckKind::TransponderSatelliteNotUsed, [](auto& db) { db.transponders[1].SetSatelliteIndex(7); },
       tables::kTransponders, 1},
      {CheckKind::ProgramDuplicate, [](auto& db) { db.programs[3].SetServiceId(db.programs[1].ServiceId()); },
       tables::kPrograms, 3},
      {CheckKind::EmptyName, [](auto& db) { db.programs[4].SetName(""); }, tables::kPrograms, 4},
      {CheckKind::PidOver8191, [](auto& db) { db.programs[4].SetRawPid(PidField::Video, 9000); }, tables::kPrograms, 4},
      {CheckKind::SlotStateUnknown, [](auto& db) { db.programs[700].SetFlags(3); }, tables::kPrograms, 700},
      {CheckKind::SatelliteSelfIndex, [](auto& db) { db.satellites[0].SetSelfIndex(4); }, tables::kSatellites, 0},
      {CheckKind::ServiceTypeUnknown, [](auto& db) { db.programs[4].SetServiceType(3); }, tables::kPrograms, 4},
      {CheckKind::LnbTypeUnknown, [](auto& db) { db.satellites[0].SetLnbType(5); }, tables::kSatellites, 0},
      {CheckKind::DiseqcPortUnknown, [](auto& db) { db.satellites[0].SetDiseqcPort(7); }, tables::kSatellites, 0},
      {CheckKind::MotorUnknown, [](auto& db) { db.satellites[0].SetMotor(2); }, tables::kSatellites, 0},
  };
  return cases;
}

TEST(DatabaseCheck, CleanDatabasesHaveNoProblems) {
  for (int dbType = 0; dbType < 4; ++dbType) {
    EXPECT_EQ(Kinds(dbcheck::CheckDatabase(*CleanDb(), dbType)), "");
    EXPECT_EQ(Kinds(dbcheck::CheckDatabase(*testkit::CleanFullDb(), dbType)), "");
    auto sample = testkit::EmptyDb();
    sample::BuildSampleDatabase(*sample);
    EXPECT_EQ(Kinds(dbcheck::CheckDatabase(*sample, dbType)), "");
  }
}

TEST(DatabaseCheck, EachKindOnADatabaseWithExactlyThatProblem) {
  for (const Case& c : Cases()) {
    const CheckKindInfo& info = InfoOf(c.kind);
    SCOPED_TRACE(std::string(info.id));
    auto db = CleanDb();
    c.make(*db);
    const CheckReport r = dbcheck::CheckDatabase(*db, c.dbType);
    ASSERT_EQ(r.problems.size(), 1u) << Kinds(r);
    const Problem& p = r.problems.front();
    EXPECT_EQ(p.kind, c.kind);
    EXPECT_EQ(p.KindId(), info.id);
    EXPECT_EQ(p.severity, info.severity);
    EXPECT_EQ(p.table, c.table);
    EXPECT_EQ(p.slot, c.slot);
    EXPECT_EQ(p.position, c.position);
    EXPECT_EQ(p.message.find('%'), std::string::npos) << p.message;
    EXPECT_EQ(p.message.find('\n'), std::string::npos) << "one line";
    EXPECT_EQ(r.Errors(), info.severity == Severity::Error ? 1 : 0);
  }
}

// A person finds a program by its channel number and name, and counts positions and
// members from 1: the messages say so, and the problem carries the number.
TEST(DatabaseCheck, MessagesNameProgramsByChannelNumberAndName) {
  const struct {
    std::function<void(ChannelDatabase&)> make;
    std::string message;
    std::string_view channelList;
    int channel;
  } cases[] = {
      {[](auto& db) { Append(db.channelLists.tvList, 4001); },
       "No. 101 names program slot 4001, beyond the 4000 program slots", tables::kTvList, 101},
      {[](auto& db) { Append(db.channelLists.radioList, 500); },
       "No. 21 names program slot 500, which is Empty, not a program in use", tables::kRadioList, 21},
      {[](auto& db) { Append(db.channelLists.tvList, 5); }, "No. 101 lists \"P5\" a second time (first at No. 6)",
       tables::kTvList, 101},
      {[](auto& db) { AppendMember(db.channelLists.favoriteGroups[1], 5); },
       "group \"News\" member 3 is TV No. 6 \"P5\" a second time (first as member 1)", "", -1},
      {[](auto& db) { AppendMember(db.channelLists.favoriteGroups[1], 600); },
       "group \"News\" member 3 names program slot 600, which is Empty, not a program in use", "", -1},
      {[](auto& db) { db.programs[3].SetTransponderIndex(5); },
       "TV No. 4 \"P3\" points at transponder slot 5, which is Empty", tables::kTvList, 4},
      {[](auto& db) { db.programs[3].SetServiceId(db.programs[1].ServiceId()); },
       "TV No. 4 \"P3\" has the satellite, frequency, polarization and service ID of TV No. 2 \"P1\"",
       tables::kTvList, 4},
      {[](auto& db) { db.programs[4].SetName(""); }, "the program at TV No. 5 has an empty name, so its row shows nothing",
       tables::kTvList, 5},
      {[](auto& db) { db.programs[105].SetServiceType(3); },
       "Radio No. 6 \"P105\" has service type 3, none of UNKNOWN, TV and RADIO", tables::kRadioList, 6},
      {[](auto& db) { PutProgram(db, 120, "Hidden", 0).SetServiceId(5000); },
       "program \"Hidden\" is in neither the TV nor the radio list, so the receiver never shows it", "", -1},
      {[](auto& db) { db.satellites[0].SetName(""); }, "the satellite in use has an empty name, so its row shows nothing",
       "", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    auto db = CleanDb();
    c.make(*db);
    const CheckReport r = dbcheck::CheckDatabase(*db, 3);
    ASSERT_EQ(r.problems.size(), 1u) << Kinds(r);
    EXPECT_EQ(r.problems[0].message, c.message);
    EXPECT_EQ(r.problems[0].channelList, c.channelList);
    EXPECT_EQ(r.problems[0].channel, c.channel);
  }
}

TEST(DatabaseCheck, ListBeyondItsCapacity) {
  // 4000 distinct programs fill the TV list; one more in its count is the only fault.
  auto db = testkit::EmptyDb();
  PutSatellite(*db, 0, "Meridian 19.2E");
  PutTransponder(*db, 0, 0, 11836);
  std::vector<int> all;
  for (int i = 0; i < 4000; ++i) {
    PutProgram(*db, i, "P" + std::to_string(i)).SetServiceId(std::uint16_t(i));
    all.push_back(i);
  }
  PutList(db->channelLists.tvList, all);
  EXPECT_EQ(Kinds(dbcheck::CheckDatabase(*db, 3)), "");
  db->channelLists.tvList.SetCount(4001);
  const CheckReport r = dbcheck::CheckDatabase(*db, 3);
  ASSERT_EQ(r.problems.size(), 1u) << Kinds(r);
  EXPECT_EQ(r.problems[0].kind, CheckKind::ListCountOverCapacity);
  EXPECT_EQ(r.problems[0].table, tables::kTvList);
  EXPECT_EQ(r.problems[0].slot, -1);
  EXPECT_EQ(r.problems[0].message, "the list claims 4001 entries but holds at most 4000");
}

TEST(DatabaseCheck, WrongChecksumOnlyFromAnImage) {
  auto db = CleanDb();
  for (int dbType = 0; dbType < 4; ++dbType) {
    SCOPED_TRACE(dbType);
    std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
    DatabaseImage::BuildImage(sample::MakeHeader(dbType).Bytes(), *db, nullptr, dbType, image.data());
    EXPECT_EQ(Kinds(dbcheck::CheckImage(image.data(), dbType)), "");
    const DatabaseImage::Section& programs = DatabaseImage::Sections(dbType)[dbType < 2 ? 3 : 2];
    image[programs.checksumOffset()] ^= 1;
    const CheckReport r = dbcheck::CheckImage(image.data(), dbType);
    ASSERT_EQ(r.problems.size(), 1u) << Kinds(r);
    EXPECT_EQ(r.problems[0].kind, CheckKind::ChecksumWrong);
    EXPECT_EQ(r.problems[0].table, tables::kImage);
    EXPECT_EQ(r.problems[0].message, "the stored checksum of the programs section is wrong, so the receiver refuses the image");
    EXPECT_EQ(r.Errors(), 1);
  }
}

// What the editor or a transfer refuses in the header, each found under its own kind
// and nothing else: the file `check` passed while `info` and Open refused it.
struct HeaderCase {
  const char* what;
  std::size_t offset;
  std::uint32_t value;  // written as a u32 at offset; the header sum is made afresh unless offset is 60
  CheckKind kind;
  const char* message;
};

const HeaderCase kHeaderCases[] = {
    {"magic 0", 0, 0, CheckKind::HeaderMagicWrong,
     "the header's magic is 0x00000000, not 0x04212510, so the editor and the receiver refuse the file"},
    {"validFlag 0", 20, 0, CheckKind::HeaderNotValid,
     "the header's validFlag is 0, not 1, so the file is marked as holding no database and the editor refuses it"},
    {"dataLength short", 28, 0x60000, CheckKind::HeaderDataLengthWrong,
     "the header's dataLength is 0x00060000, not 0x00070000 as every TypeC database has, so the editor refuses "
     "the file"},
    {"TypeA image type", 24, 0x7FF70000, CheckKind::HeaderImageTypeWrong,
     "the header's imageTypeWord is 0x7FF70000, not 0x40180000 as a TypeC database has"},
    {"header sum", 60, 0x11, CheckKind::HeaderSumWrong, nullptr},
};

TEST(DatabaseCheck, HeaderFieldsTheEditorRefusesAreErrors) {
  auto db = CleanDb();
  for (const HeaderCase& c : kHeaderCases) {
    SCOPED_TRACE(c.what);
    std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
    DatabaseImage::BuildImage(sample::MakeHeader(3).Bytes(), *db, nullptr, 3, image.data());
    ImageHeader h(image.data());
    if (c.offset == 60) {
      h.SetHeaderSum(h.HeaderSum() ^ c.value);
    } else {
      bytes::StoreU32(h.Bytes() + c.offset, c.value);
      h.UpdateHeaderSum();
    }
    h.CopyTo(image.data());
    const CheckReport r = dbcheck::CheckImage(image.data(), 3);
    ASSERT_EQ(r.problems.size(), 1u) << Kinds(r);
    EXPECT_EQ(r.problems[0].kind, c.kind);
    EXPECT_EQ(r.problems[0].severity, Severity::Error);
    EXPECT_EQ(r.problems[0].table, tables::kHeader);
    if (c.message) {
      EXPECT_EQ(r.problems[0].message, c.message);
    }
    // The window checks the header it will save with the database it holds.
    EXPECT_EQ(Kinds(dbcheck::CheckDocument(image.data(), *db, 3)), Kinds(r));
  }
}

// A file longer than an image opens from its first image and loses the rest at the next
// save; wrong section checksums are said on open unless another variant fits, which the
// offer to switch speaks of.
TEST(DatabaseCheck, BytesBeyondTheImageAndWrongChecksumsOnOpen) {
  auto db = CleanDb();
  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  DatabaseImage::BuildImage(sample::MakeHeader(3).Bytes(), *db, nullptr, 3, image.data());
  std::vector<std::uint8_t> sumsWrong = image;
  for (const DatabaseImage::Section& s : DatabaseImage::Sections(3)) sumsWrong[s.checksumOffset()] ^= 0x5A;
  const std::size_t sections = DatabaseImage::Sections(3).size();
  const std::string wrongSums = [&] {
    std::string out;
    for (std::size_t i = 0; i < sections; ++i) out += "checksum-wrong\n";
    return out;
  }();
  struct Row {
    const char* what;
    const std::vector<std::uint8_t>* bytes;
    std::uint64_t size;
    int dbType;
    std::string opened;  // kinds OpenFindings gives, one a line
    const char* message;  // the extra bytes' message, when there are some
  };
  const Row rows[] = {
      {"a whole image", &image, DatabaseImage::kImageSize, 3, "", nullptr},
      {"one byte more", &image, 458817, 3, "file-longer-than-image\n",
       "the file holds 458817 bytes, 1 more than a database image; the editor reads none of them and a save drops them"},
      {"1.4 MB", &image, 1400000, 3, "file-longer-than-image\n", nullptr},
      {"every section sum wrong", &sumsWrong, DatabaseImage::kImageSize, 3, wrongSums, nullptr},
      {"sums wrong and longer", &sumsWrong, 458900, 3, "file-longer-than-image\n" + wrongSums, nullptr},
      {"another variant's layout", &image, DatabaseImage::kImageSize, 0, "", nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::string kinds;
    for (const Problem& p : dbcheck::OpenFindings(row.bytes->data(), row.size, row.dbType)) {
      kinds += std::string(p.KindId()) + "\n";
      EXPECT_EQ(p.severity, Severity::Error);
      if (p.kind == CheckKind::FileLongerThanImage && row.message) {
        EXPECT_EQ(p.message, row.message);
      }
    }
    EXPECT_EQ(kinds, row.opened);
    // check says the same of the file.
    const auto& checked = dbcheck::CheckFile(row.bytes->data(), row.size, row.dbType).problems;
    EXPECT_EQ(std::count_if(checked.begin(), checked.end(),
                            [](const Problem& p) { return p.kind == CheckKind::FileLongerThanImage; }),
              row.size > DatabaseImage::kImageSize ? 1 : 0);
  }
}

TEST(DatabaseCheck, HeaderImageTypeFollowsTheDbType) {
  auto db = CleanDb();
  for (int dbType = 0; dbType < 4; ++dbType) {
    SCOPED_TRACE(dbType);
    const ImageHeader own = sample::MakeHeader(dbType);
    EXPECT_TRUE(dbcheck::CheckHeader(own.Bytes(), dbType).empty());
    // TypeB 6 and TypeC share their word; the others each have their own.
    const ImageHeader other = sample::MakeHeader(dbType == 0 ? 1 : 0);
    const auto problems = dbcheck::CheckHeader(other.Bytes(), dbType);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].kind, CheckKind::HeaderImageTypeWrong);
  }
  EXPECT_TRUE(dbcheck::CheckHeader(sample::MakeHeader(2).Bytes(), 3).empty());
}

TEST(DatabaseCheck, EveryKindHasACase) {
  std::set<CheckKind> covered{CheckKind::ListCountOverCapacity, CheckKind::ChecksumWrong,
                              CheckKind::FileLongerThanImage};
  for (const Case& c : Cases()) covered.insert(c.kind);
  for (const HeaderCase& c : kHeaderCases) covered.insert(c.kind);
  for (const CheckKindInfo& info : kCheckKinds) EXPECT_TRUE(covered.count(info.kind)) << info.id;
  std::set<std::string_view> ids;
  for (const CheckKindInfo& info : kCheckKinds) EXPECT_TRUE(ids.insert(info.id).second) << info.id;
}

TEST(DatabaseCheck, TypeCReadsThirteenBitPids) {
  auto db = CleanDb();
  db->programs[4].SetRawPid(PidField::Video, 0xE100);
  EXPECT_EQ(dbcheck::CheckDatabase(*db, 2).problems.size(), 1u);
  EXPECT_EQ(Kinds(dbcheck::CheckDatabase(*db, 3)), "");
}

TEST(DatabaseCheck, ProblemsOfDeletedAndEmptySlotsAreNotReported) {
  auto db = CleanDb();
  db->programs[300].SetState(SlotState::Deleted);  // deleted, not listed, no transponder: nothing to say
  db->programs[300].SetTransponderIndex(4000);
  db->satellites[9].SetState(SlotState::Deleted);
  db->satellites[9].SetLnbType(9);
  db->channelLists.favoriteGroups[5].SetMemberCount(300);  // an Empty group's bytes are not read
  EXPECT_EQ(Kinds(dbcheck::CheckDatabase(*db, 0)), "");
}

TEST(DuplicatePrograms, SameSatelliteFrequencyPolarizationAndServiceId) {
  auto db = CleanDb();
  // A second transponder of the same frequency and polarization on the same satellite.
  PutTransponder(*db, 2, 0, 11836, 22000, TransponderRecord::kHorizontal);
  PutProgram(*db, 120, "Copy", 2).SetServiceId(1000);  // same as program 0 on transponder 0
  PutProgram(*db, 121, "Other pol", 1).SetServiceId(1000);  // transponder 1 is vertical
  PutProgram(*db, 122, "Copy 2", 0).SetServiceId(1000);
  const auto sets = duplicates::FindDuplicatePrograms(*db);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0], (std::vector<int>{0, 120, 122}));
  // Another satellite with the same frequency is a different service.
  PutSatellite(*db, 1, "Boreal 13.0E");
  db->transponders[2].SetSatelliteIndex(1);
  EXPECT_EQ(duplicates::FindDuplicatePrograms(*db)[0], (std::vector<int>{0, 122}));
  // A program without a transponder in use has no identity.
  db->transponders[0].SetState(SlotState::Deleted);
  EXPECT_FALSE(duplicates::KeyOf(*db, 0).has_value());
}

}  // namespace
