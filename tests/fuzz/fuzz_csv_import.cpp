// A channel-list CSV of arbitrary bytes, read and applied to a sample database with and
// without its names, as "Import…" and quelmar-cli import do. Reading must refuse or
// take it without crashing; a list taken keeps every program the lists held (only
// their order changes) and never names a program beyond the tables.
#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>

#include "db/exchange/ChannelCsv.h"
#include "db/exchange/ReferenceList.h"
#include "db/operations/SampleDatabase.h"
#include "fuzz/FuzzTargets.h"

namespace {

std::vector<std::uint16_t> Sorted(const ServiceList& l) {
  std::vector<std::uint16_t> v;
  for (std::size_t k = 0; k < l.ValidCount(); ++k) v.push_back(l.Entry(k));
  std::sort(v.begin(), v.end());
  return v;
}

}  // namespace

int FuzzCsvImport(const std::uint8_t* data, std::size_t size) {
  static const std::unique_ptr<ChannelDatabase> base = [] {
    auto db = std::make_unique<ChannelDatabase>();
    sample::BuildSampleDatabase(*db);
    return db;
  }();
  std::vector<channelcsv::Row> rows;
  if (channelcsv::Read(std::string_view(reinterpret_cast<const char*>(data), size), rows)) {
    if (!rows.empty()) FuzzFail("a refused list left rows");
    return 0;
  }
  if (rows.size() > channelcsv::kMaxRows) FuzzFail("more rows than the lists hold");
  for (const bool takeNames : {false, true}) {
    auto db = std::make_unique<ChannelDatabase>(*base);
    const reflist::Report report = reflist::Apply(*db, rows, reflist::Options{takeNames});
    if (report.matched + static_cast<int>(report.unmatched.size()) != report.rows) FuzzFail("rows lost in the report");
    if (!takeNames && !report.renamed.empty()) FuzzFail("names changed without being asked");
    for (std::size_t i = 0; i < ChannelDatabase::kProgramCount && !takeNames; ++i)
      if (db->programs[i].Name() != base->programs[i].Name()) FuzzFail("names changed without being asked");
    for (int list = 0; list < 2; ++list)
      if (Sorted(*db->channelLists.List(list)) != Sorted(*base->channelLists.List(list)))
        FuzzFail("a list lost or gained a program");
  }
  return 0;
}

#ifdef QUELMAR_LIBFUZZER
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzCsvImport(data, size);
}
#endif
