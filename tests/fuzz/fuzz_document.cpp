// A document file of arbitrary bytes. It is opened under each DbType, as the user may
// have any of them set; a file that is accepted gets a few record operations, is
// committed and saved, and the saved file must open again and save to the same bytes:
// whatever the editor writes it must be able to read back unchanged.
//
// Bytes past the image are never read by the document; the target takes them as a
// script of record operations, so the fuzzer can steer the editing too.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "db/document/FileIo.h"
#include "db/image/DatabaseImage.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/GroupOperations.h"
#include "db/operations/ProgramOperations.h"
#include "db/operations/SatelliteOperations.h"
#include "db/records/DbType.h"
#include "db/records/ListedTransponders.h"
#include "fuzz/FuzzTargets.h"
#include "support/TempDir.h"

namespace {

constexpr std::size_t kMaxOperations = 48;

std::vector<std::uint8_t> ReadAll(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  if (!fileio::ReadPrefix(path, DatabaseImage::kImageSize + 1, bytes).ok) FuzzFail("saved file unreadable");
  return bytes;
}

std::int16_t Arg(const std::uint8_t* p) { return static_cast<std::int16_t>(p[0] | (p[1] << 8)); }

// Operations with indexes taken from the database itself, as the pages take them from
// their row maps: a damaged file may name slots that do not exist.
void DataDrivenOperations(CQuelmarDoc& doc) {
  const ChannelDatabase& db = doc.Working();
  const int tvFirst = db.channelLists.List(0)->Entry(0);
  const int radioLast = db.channelLists.List(1)->Entry(ServiceList::kCapacity - 1);
  const int member = db.channelLists.favoriteGroups[0].Member(0);
  const int satellite = static_cast<int>(db.transponders[0].SatelliteIndex());
  const int dbType = doc.GetDbType();
  doc.Edit(dbops::RemoveFromServiceList, 0, tvFirst);
  doc.Edit(dbops::DeleteProgram, radioLast);
  doc.Edit(dbops::RemoveGroupMember, 0, member);
  doc.Edit(dbops::DeleteProgram, member);
  doc.Edit(dbops::DeleteSatellite, satellite);
  doc.Edit(dbops::AddSatellite, "Fuzz 1.0W");
  doc.Edit(dbops::SaveTransponder, 11778, 27500, 1, satellite, -1);
  doc.Edit(dbops::AddFavoriteGroup, "Fuzz");
  doc.Edit(dbops::DeleteFavoriteGroup, 7);
  dbops::ProgramEntry entry;
  entry.name = "Fuzz program";
  doc.Edit(dbops::AddProgram, entry, 0, static_cast<int>(db.programs[0].TransponderIndex()), dbType);
  doc.Edit(dbops::UpdateProgram, tvFirst, entry, dbType);
  doc.Edit(dbops::AddGroupMember, 1, tvFirst);
  doc.Edit(dbops::MoveGroupMember, 1, 0, -1);
  doc.Edit(dbops::RenameFavoriteGroup, 1, "Sixteen chars 16");
  doc.Edit(dbops::UpdateSatellite, satellite, dbops::SatelliteSettings{});
  (void)dbops::FindFreeProgramSlot(db);
  (void)dbops::CountSatellites(db);
  (void)dbops::CountTransponders(db);
  (void)dbops::SatelliteOfProgram(db, tvFirst);
  (void)dbops::ListTransponders(db, satellite);
}

// Each operation is one byte of kind and two bytes of argument (little-endian, signed,
// so negative and far-too-large slots come up as often as good ones).
void ScriptedOperations(CQuelmarDoc& doc, const std::uint8_t* script, std::size_t size) {
  std::size_t done = 0;
  for (std::size_t at = 0; at + 3 <= size && done < kMaxOperations; at += 3, ++done) {
    const int a = Arg(script + at + 1);
    const std::string name(reinterpret_cast<const char*>(script + at + 1), 2);
    const int dbType = doc.GetDbType();
    dbops::ProgramEntry entry;
    entry.name = name + std::string(14, 'P');
    entry.numbers.videoPid = static_cast<std::uint32_t>(a);
    switch (script[at] % 18) {
      case 0: doc.Edit(dbops::AddSatellite, name + "SAT" + std::to_string(a)); break;
      case 1: doc.Edit(dbops::DeleteSatellite, a); break;
      case 2: doc.Edit(dbops::SaveTransponder, static_cast<std::uint16_t>(a), 27500, static_cast<std::uint32_t>(a), a >> 4, -1); break;
      case 3: doc.Edit(dbops::SaveTransponder, 12000, static_cast<std::uint16_t>(a), 0, 0, a); break;
      case 4: doc.Edit(dbops::DeleteTransponder, a); break;
      case 5: doc.Edit(dbops::DeleteProgram, a); break;
      case 6: doc.Edit(dbops::RemoveFromServiceList, a & 1, a >> 1); break;
      case 7: doc.Edit(dbops::RemoveFromServiceList, a, 0); break;
      case 8: doc.Edit(dbops::AddFavoriteGroup, name + std::string(20, 'G')); break;
      case 9: doc.Edit(dbops::DeleteFavoriteGroup, a); break;
      case 10: doc.Edit(dbops::RemoveGroupMember, a & 7, a >> 3); break;
      case 11: doc.Edit(dbops::RemoveGroupMember, a, 1); break;
      case 12: doc.Edit(dbops::AddProgram, entry, a & 3, a >> 2, dbType); break;
      case 13: doc.Edit(dbops::UpdateProgram, a, entry, dbType); break;
      case 14: doc.Edit(dbops::AddGroupMember, a & 7, a >> 3); break;
      case 15: doc.Edit(dbops::MoveGroupMember, a & 7, (a >> 3) & 127, (a >> 10) - 1); break;
      case 16: doc.Edit(dbops::RenameFavoriteGroup, a, name + std::string(20, 'R')); break;
      default: {
        dbops::SatelliteSettings settings;
        settings.lnbType = a >> 8;
        settings.name = name + std::string(20, 'S');
        doc.Edit(dbops::UpdateSatellite, a & 255, settings);
        break;
      }
    }
  }
}

}  // namespace

int FuzzDocument(const std::uint8_t* data, std::size_t size) {
  // One folder for the whole run, in memory where possible so that fsync costs nothing.
  static const testkit::TempDir scratch(testkit::TempDir::Where::Memory);
  const std::string input = scratch.File("input.qdb");
  const std::string saved = scratch.File("saved.qdb");
  const std::string again = scratch.File("again.qdb");
  if (!fileio::WriteAtomically(input, data, size).ok) FuzzFail("cannot write the input");

  for (int dbType = 0; dbType < dbtype::kCount; ++dbType) {
    CQuelmarDoc doc;
    doc.SetDbType(dbType);
    if (!doc.Open(input)) {
      // A refused file leaves a fresh document as it was.
      if (doc.HasData() || doc.ImageValid() != 0) FuzzFail("refused file changed the document");
      continue;
    }
    if (!doc.HasData() || doc.ImageValid() != 1 || doc.IsModified()) FuzzFail("accepted file not loaded");
    if (std::memcmp(doc.Header().Bytes(), data, DatabaseImage::kHeaderSize) != 0)
      FuzzFail("header not kept byte for byte");

    if (size > DatabaseImage::kImageSize) {
      ScriptedOperations(doc, data + DatabaseImage::kImageSize, size - DatabaseImage::kImageSize);
    } else {
      DataDrivenOperations(doc);
    }
    doc.SetModifiedFlag(true);
    doc.CommitWorking();
    if (!doc.Save(saved)) FuzzFail("save of a loaded document failed");
    if (doc.IsModified()) FuzzFail("saved document still modified");

    const std::vector<std::uint8_t> first = ReadAll(saved);
    if (first.size() != DatabaseImage::kImageSize) FuzzFail("saved file is not one image");
    if (std::memcmp(first.data(), data, DatabaseImage::kHeaderSize) != 0) FuzzFail("saved header differs");
    // Reading the saved file back is the costly half; one DbType per input, picked by
    // the input itself, keeps the fuzzer fast and still reaches all four.
    if (dbType != data[4] % dbtype::kCount) continue;
    CQuelmarDoc reopened;
    reopened.SetDbType(dbType);
    if (!reopened.Open(saved)) FuzzFail("saved file does not open");
    if (std::memcmp(&reopened.Working(), &doc.Working(), sizeof(ChannelDatabase)) != 0)
      FuzzFail("reopened database differs from the saved one");
    if (!reopened.Save(again)) FuzzFail("second save failed");
    if (ReadAll(again) != first) FuzzFail("saving a reopened file changed its bytes");
  }
  std::remove(input.c_str());
  std::remove(saved.c_str());
  std::remove(again.c_str());
  return 0;
}

#ifdef QUELMAR_LIBFUZZER
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzDocument(data, size);
}
#endif
