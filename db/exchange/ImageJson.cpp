#include "db/exchange/ImageJson.h"

#include <cstring>
#include <memory>

#include "db/exchange/BoundedJsonParser.h"
#include "db/exchange/ImportTexts.h"
#include "db/exchange/RecordJson.h"
#include "db/image/DatabaseImage.h"
#include "db/image/ExtraBlock.h"
#include "db/image/ImageExtras.h"
#include "db/image/ImageHeader.h"
#include "db/records/ByteOrder.h"
#include "db/records/ChannelDatabase.h"
#include "db/records/DbType.h"
#include "db/records/ListedFields.h"
#include "db/records/TableNames.h"
#include "db/records/TextFill.h"

namespace imagejson {
namespace {

using recordjson::CountedArray;
using DB = ChannelDatabase;

using recordjson::kGroupMembers;
using recordjson::kListEntries;

constexpr std::string_view kFormatKey = "format";
constexpr std::string_view kVersionKey = "formatVersion";
constexpr std::string_view kDbTypeKey = "dbType";
constexpr std::string_view kStaleChecksums = "staleChecksums";
constexpr std::string_view kOtherBytes = "otherBytes";

std::string K(std::string_view s) { return std::string(s); }
std::string Path(std::string_view key) { return "$." + std::string(key); }

template <typename Record, std::size_t N>
Json ExportTable(const std::array<Record, N>& table, const CountedArray* counted = nullptr) {
  Json arr = Json::array();
  for (const Record& r : table) arr.push_back(recordjson::Export(r.Bytes(), field::ListedOf<Record>(), counted));
  return arr;
}

template <typename Record, std::size_t N>
std::optional<JsonRefusal> ImportTable(const Json& top, std::string_view key, std::array<Record, N>& table,
                                       const CountedArray* counted = nullptr) {
  const Json& arr = top.at(K(key));
  if (!arr.is_array() || arr.size() != N) {
    const std::string what = text::Fill(ImportTexts::kExpectedRecords, {std::to_string(N)});
    return JsonRefusal{Path(key), arr.is_array() ? text::Fill(ImportTexts::kGot, {what, std::to_string(arr.size())})
                                                 : recordjson::Got(what, arr)};
  }
  for (std::size_t i = 0; i < N; ++i)
    if (auto r = recordjson::Import(arr[i], Path(key) + "[" + std::to_string(i) + "]", table[i].Bytes(),
                                    field::ListedOf<Record>(), counted))
      return r;
  return std::nullopt;
}

template <typename Record>
std::optional<JsonRefusal> ImportOne(const Json& top, std::string_view key, Record& r,
                                     const CountedArray* counted = nullptr) {
  return recordjson::Import(top.at(K(key)), Path(key), r.Bytes(), field::ListedOf<Record>(), counted);
}

Json ExportExtras(const imagextras::ImageExtras& x) {
  Json image = Json::object();
  Json checksums = Json::array();
  for (const auto& c : x.checksums) checksums.push_back(Json{{"section", c.section}, {"stored", c.stored}});
  Json other = Json::array();
  for (const auto& r : x.otherBytes)
    other.push_back(Json{{"offset", r.offset}, {"bytes", recordjson::ToHex(r.bytes.data(), r.bytes.size())}});
  image.emplace(K(kStaleChecksums), std::move(checksums));
  image.emplace(K(kOtherBytes), std::move(other));
  return image;
}

std::optional<JsonRefusal> CheckKeys(const Json& obj, const std::string& path,
                                     std::initializer_list<std::string_view> keys) {
  std::string all;
  for (std::string_view k : keys) all += (all.empty() ? "" : ", ") + std::string(k);
  if (!obj.is_object()) return JsonRefusal{path, recordjson::Got(ImportTexts::kExpectedObject, obj)};
  for (const auto& [key, value] : obj.items()) {
    bool known = false;
    for (std::string_view k : keys) known = known || key == k;
    if (!known) return JsonRefusal{path + "." + key, text::Fill(ImportTexts::kUnknownField, {all})};
  }
  for (std::string_view k : keys)
    if (!obj.contains(K(k))) return JsonRefusal{path + "." + std::string(k), ImportTexts::kMissing};
  return std::nullopt;
}

std::optional<JsonRefusal> ImportExtras(const Json& image, int dbType, imagextras::ImageExtras& out) {
  const std::string path = Path(tables::kImage);
  if (auto r = CheckKeys(image, path, {kStaleChecksums, kOtherBytes})) return r;

  const Json& checksums = image.at(K(kStaleChecksums));
  const std::string cpath = path + "." + K(kStaleChecksums);
  if (!checksums.is_array()) return JsonRefusal{cpath, recordjson::Got(ImportTexts::kExpectedArray, checksums)};
  std::string sectionNames;
  for (const auto& s : DatabaseImage::Sections(dbType)) sectionNames += (sectionNames.empty() ? "\"" : ", \"") + std::string(s.name) + "\"";
  for (std::size_t i = 0; i < checksums.size(); ++i) {
    const std::string ipath = cpath + "[" + std::to_string(i) + "]";
    if (auto r = CheckKeys(checksums[i], ipath, {"section", "stored"})) return r;
    const Json& section = checksums[i].at("section");
    bool known = false;
    for (const auto& s : DatabaseImage::Sections(dbType)) known = known || (section.is_string() && section == s.name);
    for (const auto& c : out.checksums) known = known && section != c.section;
    if (!known)
      return JsonRefusal{ipath + ".section",
                         recordjson::Got(text::Fill(ImportTexts::kExpectedSection, {sectionNames}), section)};
    std::uint64_t stored = 0;
    if (auto r = recordjson::ReadUnsigned(checksums[i].at("stored"), ipath + ".stored", 0xFFFFFFFFu, stored)) return r;
    out.checksums.push_back({section.get<std::string>(), static_cast<std::uint32_t>(stored)});
  }

  const Json& runs = image.at(K(kOtherBytes));
  const std::string rpath = path + "." + K(kOtherBytes);
  if (!runs.is_array()) return JsonRefusal{rpath, recordjson::Got(ImportTexts::kExpectedArray, runs)};
  std::size_t lastEnd = 0;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const std::string ipath = rpath + "[" + std::to_string(i) + "]";
    if (auto r = CheckKeys(runs[i], ipath, {"offset", "bytes"})) return r;
    std::uint64_t offset = 0;
    if (auto r = recordjson::ReadUnsigned(runs[i].at("offset"), ipath + ".offset", DatabaseImage::kImageSize - 1, offset))
      return r;
    const Json& hex = runs[i].at("bytes");
    const auto bytes = hex.is_string() ? recordjson::FromHex(hex.get_ref<const std::string&>()) : std::nullopt;
    if (!bytes || bytes->empty())
      return JsonRefusal{ipath + ".bytes", recordjson::Got(ImportTexts::kExpectedHexDigits, hex)};
    if (!imagextras::IsOutsideSections(dbType, offset, bytes->size()) || offset < lastEnd)
      return JsonRefusal{ipath, ImportTexts::kRunOverlaps};
    lastEnd = offset + bytes->size();
    out.otherBytes.push_back({offset, std::vector<std::uint8_t>(bytes->begin(), bytes->end())});
  }
  return std::nullopt;
}

// Lays a value out with containers expanded to `expand` levels, the rest on one line.
void DumpValue(const Json& v, int depth, int expand, std::string& out) {
  const bool open = (v.is_object() || v.is_array()) && !v.empty() && depth < expand;
  if (!open) {
    out += v.dump(-1, ' ', false, Json::error_handler_t::strict);
    return;
  }
  const std::string inner(2 * (depth + 1), ' ');
  out += v.is_object() ? "{\n" : "[\n";
  bool first = true;
  if (v.is_object()) {
    for (const auto& [key, value] : v.items()) {
      out += first ? "" : ",\n";
      first = false;
      out += inner + Json(key).dump() + ": ";
      DumpValue(value, depth + 1, expand, out);
    }
  } else {
    for (const auto& value : v) {
      out += first ? "" : ",\n";
      first = false;
      out += inner;
      DumpValue(value, depth + 1, expand, out);
    }
  }
  out += "\n" + std::string(2 * depth, ' ') + (v.is_object() ? "}" : "]");
}

}  // namespace

Json Export(const std::uint8_t* image, int dbType) {
  auto db = std::make_unique<ChannelDatabase>();
  auto extra = std::make_unique<ExtraBlock>();
  DatabaseImage::ParseImage(image, dbType, *db, extra.get());
  const ImageHeader header(image);

  Json j = Json::object();
  j.emplace(K(kFormatKey), kFormat);
  j.emplace(K(kVersionKey), kFormatVersion);
  j.emplace(K(kDbTypeKey), dbType);
  j.emplace(K(tables::kHeader), recordjson::Export(header.Bytes(), field::ListedOf<ImageHeader>()));
  j.emplace(K(tables::kSystem), recordjson::Export(db->system.Bytes(), field::ListedOf<SystemBlock>()));
  j.emplace(K(tables::kSatellites), ExportTable(db->satellites));
  j.emplace(K(tables::kTransponders), ExportTable(db->transponders));
  j.emplace(K(tables::kPrograms), ExportTable(db->programs));
  j.emplace(K(tables::kTvList),
            recordjson::Export(db->channelLists.tvList.Bytes(), field::ListedOf<ServiceList>(), &kListEntries));
  j.emplace(K(tables::kRadioList),
            recordjson::Export(db->channelLists.radioList.Bytes(), field::ListedOf<ServiceList>(), &kListEntries));
  j.emplace(K(tables::kFavoriteGroups), ExportTable(db->channelLists.favoriteGroups, &kGroupMembers));
  j.emplace(K(tables::kTrailerWord), db->trailerWord);
  if (dbtype::HasExtraBlock(dbType)) j.emplace(K(tables::kExtraWord), extra->ExtraWord());
  j.emplace(K(tables::kImage), ExportExtras(imagextras::Find(image, dbType)));
  return j;
}

std::string Dump(const Json& json) {
  std::string out;
  DumpValue(json, 0, 2, out);
  out += '\n';
  return out;
}

std::optional<JsonRefusal> Parse(std::string_view text, Json& out) { return boundedjson::Parse(text, out); }

std::optional<JsonRefusal> Parse(std::FILE* stream, Json& out) { return boundedjson::Parse(stream, out); }

std::optional<JsonRefusal> Import(const Json& j, Imported& out) {
  if (!j.is_object()) return JsonRefusal{"$", recordjson::Got(ImportTexts::kExpectedObject, j)};
  // The type decides whether extraWord belongs, so it is read first.
  const auto typeIt = j.find(K(kDbTypeKey));
  if (typeIt == j.end()) return JsonRefusal{Path(kDbTypeKey), ImportTexts::kMissing};
  std::uint64_t dbType = 0;
  if (auto r = recordjson::ReadUnsigned(*typeIt, Path(kDbTypeKey), dbtype::kCount - 1, dbType)) return r;
  const int type = static_cast<int>(dbType);

  std::initializer_list<std::string_view> withExtra = {
      kFormatKey, kVersionKey, kDbTypeKey, tables::kHeader, tables::kSystem, tables::kSatellites,
      tables::kTransponders, tables::kPrograms, tables::kTvList, tables::kRadioList, tables::kFavoriteGroups,
      tables::kTrailerWord, tables::kExtraWord, tables::kImage};
  std::initializer_list<std::string_view> withoutExtra = {
      kFormatKey, kVersionKey, kDbTypeKey, tables::kHeader, tables::kSystem, tables::kSatellites,
      tables::kTransponders, tables::kPrograms, tables::kTvList, tables::kRadioList, tables::kFavoriteGroups,
      tables::kTrailerWord, tables::kImage};
  if (auto r = CheckKeys(j, "$", dbtype::HasExtraBlock(type) ? withExtra : withoutExtra)) return r;
  if (j.at(K(kFormatKey)) != kFormat)
    return JsonRefusal{Path(kFormatKey), recordjson::Got(text::Fill(ImportTexts::kExpectedValue,
                                                                    {"\"" + std::string(kFormat) + "\""}),
                                                         j.at(K(kFormatKey)))};
  if (j.at(K(kVersionKey)) != kFormatVersion)
    return JsonRefusal{Path(kVersionKey),
                       recordjson::Got(text::Fill(ImportTexts::kExpectedValue, {std::to_string(kFormatVersion)}),
                                       j.at(K(kVersionKey)))};

  ImageHeader header;
  auto db = std::make_unique<ChannelDatabase>();
  auto extra = std::make_unique<ExtraBlock>();
  if (auto r = ImportOne(j, tables::kHeader, header)) return r;
  if (auto r = ImportOne(j, tables::kSystem, db->system)) return r;
  if (auto r = ImportTable(j, tables::kSatellites, db->satellites)) return r;
  if (auto r = ImportTable(j, tables::kTransponders, db->transponders)) return r;
  if (auto r = ImportTable(j, tables::kPrograms, db->programs)) return r;
  if (auto r = ImportOne(j, tables::kTvList, db->channelLists.tvList, &kListEntries)) return r;
  if (auto r = ImportOne(j, tables::kRadioList, db->channelLists.radioList, &kListEntries)) return r;
  if (auto r = ImportTable(j, tables::kFavoriteGroups, db->channelLists.favoriteGroups, &kGroupMembers)) return r;
  std::uint64_t word = 0;
  if (auto r = recordjson::ReadUnsigned(j.at(K(tables::kTrailerWord)), Path(tables::kTrailerWord), 0xFFFFFFFFu, word))
    return r;
  db->trailerWord = static_cast<std::uint32_t>(word);
  if (dbtype::HasExtraBlock(type)) {
    if (auto r = recordjson::ReadUnsigned(j.at(K(tables::kExtraWord)), Path(tables::kExtraWord), 0xFFFFFFFFu, word))
      return r;
    extra->SetExtraWord(static_cast<std::uint32_t>(word));
  }
  imagextras::ImageExtras extras;
  if (auto r = ImportExtras(j.at(K(tables::kImage)), type, extras)) return r;

  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  DatabaseImage::BuildImage(header.Bytes(), *db, extra.get(), type, image.data());
  imagextras::Apply(image.data(), type, extras);

  // The other bytes decide where the receiver finds the trailer word: it must read back
  // as given.
  auto check = std::make_unique<ChannelDatabase>();
  DatabaseImage::ParseImage(image.data(), type, *check, nullptr);
  if (check->trailerWord != db->trailerWord)
    return JsonRefusal{Path(tables::kTrailerWord),
                       text::Fill(ImportTexts::kTrailerMoved, {std::to_string(check->trailerWord),
                                                               Path(tables::kImage) + "." + K(kOtherBytes)})};
  out.dbType = type;
  out.image = std::move(image);
  return std::nullopt;
}

}  // namespace imagejson
