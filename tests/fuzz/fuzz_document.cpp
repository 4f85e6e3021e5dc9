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

#include "db/CQuelmarDoc.h"
#include "db/DatabaseImage.h"
#include "db/DbType.h"
#include "db/FileIo.h"
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
  doc.RemoveFromServiceList(0, tvFirst);
  doc.DeleteProgram(radioLast);
  doc.RemoveGroupMember(0, member);
  doc.DeleteProgram(member);
  doc.DeleteSatellite(satellite);
  doc.AddSatellite("Fuzz 1.0W");
  doc.SaveTransponder(11778, 27500, 1, satellite, -1);
  doc.AddFavoriteGroup("Fuzz");
  doc.DeleteFavoriteGroup(7);
  (void)doc.FindFreeProgramSlot();
  (void)doc.CountSatellites();
  (void)doc.CountTransponders();
}

// Each operation is one byte of kind and two bytes of argument (little-endian, signed,
// so negative and far-too-large slots come up as often as good ones).
void ScriptedOperations(CQuelmarDoc& doc, const std::uint8_t* script, std::size_t size) {
  std::size_t done = 0;
  for (std::size_t at = 0; at + 3 <= size && done < kMaxOperations; at += 3, ++done) {
    const int a = Arg(script + at + 1);
    const std::string name(reinterpret_cast<const char*>(script + at + 1), 2);
    switch (script[at] % 12) {
      case 0: doc.AddSatellite(name + "SAT" + std::to_string(a)); break;
      case 1: doc.DeleteSatellite(a); break;
      case 2: doc.SaveTransponder(static_cast<std::uint16_t>(a), 27500, static_cast<std::uint32_t>(a), a >> 4, -1); break;
      case 3: doc.SaveTransponder(12000, static_cast<std::uint16_t>(a), 0, 0, a); break;
      case 4: doc.DeleteTransponder(a); break;
      case 5: doc.DeleteProgram(a); break;
      case 6: doc.RemoveFromServiceList(a & 1, a >> 1); break;
      case 7: doc.RemoveFromServiceList(a, 0); break;
      case 8: doc.AddFavoriteGroup(name + std::string(20, 'G')); break;
      case 9: doc.DeleteFavoriteGroup(a); break;
      case 10: doc.RemoveGroupMember(a & 7, a >> 3); break;
      default: doc.RemoveGroupMember(a, 1); break;
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
