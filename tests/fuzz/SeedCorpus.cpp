#include "fuzz/SeedCorpus.h"

#include <memory>

#include "db/document/CQuelmarDoc.h"
#include "db/exchange/ChannelCsv.h"
#include "support/TransponderLists.h"
#include "db/exchange/ImageJson.h"
#include "db/image/DatabaseImage.h"
#include "db/operations/SampleDatabase.h"
#include "link/DataPacket.h"
#include "link/LinkCodes.h"
#include "link/LinkHeader.h"
#include "support/FarEnd.h"
#include "support/SampleDocs.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Units = std::vector<Bytes>;
using testkit::FarEnd;
using F = testkit::FaultScript;

Bytes Image(int dbType, bool full) {
  return testkit::ImageOf(*testkit::SampleDocument(dbType, full ? static_cast<std::uint32_t>(dbType + 1) : 0));
}

Bytes Payload(std::uint32_t length) {
  Bytes data(length);
  for (std::uint32_t i = 0; i < length; ++i) data[i] = static_cast<std::uint8_t>((i * 131) ^ (i >> 8));
  return data;
}

Bytes HeaderFor(const Bytes& data) {
  const LinkHeader h = LinkHeader::ForSend(3, data.data(), static_cast<std::uint32_t>(data.size()));
  return Bytes(h.Bytes(), h.Bytes() + LinkHeader::kSize);
}

Bytes PacketFor(const Bytes& data, std::uint32_t index) {
  const DataPacket p = DataPacket::Build(data.data(), static_cast<std::uint32_t>(data.size()), index);
  return Bytes(p.Bytes(), p.Bytes() + DataPacket::kSize);
}

// What a receiver sending `data` says, one unit per wait of the engine.
// `badHeader` first offers a header with a wrong magic; `nackPacket` first offers a
// damaged copy of that packet.
Units SenderTranscript(const Bytes& data, bool badHeader, int nackPacket) {
  using namespace LinkCode;
  Units u{{CONNECT_REQ}, {CONNECT_RE_ACK}};
  Bytes header = HeaderFor(data);
  if (badHeader) {
    Bytes wrong = header;
    wrong[0] ^= 0xFF;
    u.push_back(wrong);
    u.push_back({HEADER_RCV_ACK});
  }
  u.push_back(header);
  u.push_back({HEADER_RCV_ACK});
  const std::uint32_t packets = DataPacket::Count(static_cast<std::uint32_t>(data.size()));
  for (std::uint32_t i = 0; i < packets; ++i) {
    if (static_cast<int>(i) == nackPacket) {
      Bytes damaged = PacketFor(data, i);
      damaged[500] ^= 0x01;
      u.push_back(damaged);
      u.push_back({DATA_RCV_ACK});
    }
    u.push_back(PacketFor(data, i));
    u.push_back({DATA_RCV_ACK});
  }
  u.push_back({TERMINATE_ACK});
  return u;
}

// What a receiver taking `packets` packets answers, one code per wait of the engine.
Units ReceiverTranscript(std::uint32_t packets, bool nackHeader, int nackPacket, bool failAtEnd) {
  using namespace LinkCode;
  Units u{{CONNECT_ACK}, {HEADER_REQ}};
  if (nackHeader) {
    u.push_back({HEADER_NACK});
    u.push_back({HEADER_REQ});
  }
  u.push_back({HEADER_ACK});
  for (std::uint32_t i = 0; i < packets; ++i) {
    u.push_back({DATA_REQ});
    if (static_cast<int>(i) == nackPacket) {
      u.push_back({DATA_NACK});
      u.push_back({DATA_REQ});
    }
    u.push_back({DATA_ACK});
  }
  u.push_back({failAtEnd ? FAIL_TERMINATE_REQ : TERMINATE_REQ});
  return u;
}

// An input for the simulated receiver: the size pick, then the actions.
Bytes Simulated(std::uint8_t pick, const std::vector<F::Action>& actions = {}) {
  Bytes s{static_cast<std::uint8_t>(0x80 | pick)};
  const Bytes encoded = F::Encode(actions);
  s.insert(s.end(), encoded.begin(), encoded.end());
  return s;
}

}  // namespace

std::vector<Seed> DocumentSeeds() {
  std::vector<Seed> seeds;
  for (int t = 0; t < 4; ++t) seeds.push_back({"sample_type" + std::to_string(t), Image(t, false)});
  seeds.push_back({"full_type0", Image(0, true)});
  seeds.push_back({"full_type3", Image(3, true)});

  // An image followed by a script of record operations.
  Bytes edited = Image(3, false);
  const std::uint8_t ops[] = {0, 'A', 'B', 1, 3, 0, 2, 0x10, 0x20, 4, 5, 0, 5, 7, 0, 6, 9, 0,
                              8, 'F', 'V', 9, 1, 0, 10, 0x19, 0, 11, 0xFF, 0xFF, 7, 2, 0};
  edited.insert(edited.end(), std::begin(ops), std::end(ops));
  seeds.push_back({"sample_with_edits", edited});

  // Files the document must refuse.
  Bytes wrongMagic = Image(3, false);
  wrongMagic[0] ^= 0x01;
  seeds.push_back({"wrong_magic", wrongMagic});
  Bytes notValid = Image(2, false);
  notValid[20] = 0;
  seeds.push_back({"valid_flag_0", notValid});
  Bytes longer = Image(1, false);
  longer[28] = 0x40;  // dataLength 0x70040
  seeds.push_back({"data_length_too_big", longer});
  Bytes cut = Image(0, false);
  cut.resize(DatabaseImage::kImageSize / 2);
  seeds.push_back({"cut_in_half", cut});
  seeds.push_back({"header_only", Bytes(cut.begin(), cut.begin() + 64)});
  return seeds;
}

std::vector<Seed> ReceiveSeeds() {
  std::vector<Seed> seeds;
  for (std::uint32_t length : {10u, 1021u, 2042u, 3000u})
    seeds.push_back({"ok_" + std::to_string(length), FarEnd::Script(SenderTranscript(Payload(length), false, -1))});
  seeds.push_back({"ok_bad_magic_first", FarEnd::Script(SenderTranscript(Payload(1500), true, -1))});
  seeds.push_back({"ok_nack_first_packet", FarEnd::Script(SenderTranscript(Payload(1500), false, 0))});
  seeds.push_back({"ok_nack_final_packet", FarEnd::Script(SenderTranscript(Payload(2042), false, 2))});

  Units early = SenderTranscript(Payload(3000), false, -1);
  early.resize(7);
  early.push_back({LinkCode::TERMINATE_ACK});
  seeds.push_back({"fail_early_terminate", FarEnd::Script(early)});

  Units notValid = SenderTranscript(Payload(100), false, -1);
  LinkHeader h(notValid[2].data());
  h.SetValidFlag(0);
  h.UpdateHeaderSum();
  notValid[2].assign(h.Bytes(), h.Bytes() + LinkHeader::kSize);
  seeds.push_back({"ok_valid_flag_0", FarEnd::Script(notValid)});

  Units silent = SenderTranscript(Payload(1500), false, -1);
  silent.insert(silent.begin() + 4, Bytes{});
  seeds.push_back({"fail_silence_shifts_packet", FarEnd::Script(silent)});

  // The simulated receiver: every size it can serve, then faults placed in the exchange
  // (positions count the receiver's units: connect, header, packets, terminate).
  for (std::uint8_t pick : {0, 1, 2, 3, 4}) seeds.push_back({"ok_sim_size" + std::to_string(pick), Simulated(pick)});
  seeds.push_back({"sim_empty", Simulated(5)});
  seeds.push_back({"ok_sim_whole_database", Simulated(6)});
  seeds.push_back({"fail_sim_too_long", Simulated(7)});
  seeds.push_back({"sim_damaged_units", Simulated(4, {{F::DamageUnit, 4, 77}, {F::DamageUnit, 7, 200}})});
  seeds.push_back({"sim_cut_and_late", Simulated(3, {{F::CutUnit, 2, 30}, {F::LateUnit, 5, 9}, {F::JunkBefore, 6, 0xE8}})});
  seeds.push_back({"sim_codes_instead", Simulated(1, {{F::ReplaceWithCode, 3, 12}, {F::RepeatUnit, 4, 0}})});
  seeds.push_back({"sim_lost_answers", Simulated(2, {{F::DropWrite, 2, 0}, {F::DamageWrite, 4, 3}, {F::DropUnit, 5, 0}})});
  seeds.push_back({"fail_sim_falls_silent", Simulated(4, {{F::FallSilent, 6, 0}})});
  seeds.push_back({"fail_sim_hang_up_mid_database", Simulated(6, {{F::HangUp, 200, 0}})});
  return seeds;
}

std::vector<Seed> SendSeeds() {
  std::vector<Seed> seeds;
  const std::uint32_t packets[] = {1, 2, 3, 3};  // for the lengths 10, 1021, 2042, 2500
  for (std::uint8_t pick = 0; pick < 4; ++pick) {
    Bytes s{pick};
    const Bytes script = FarEnd::Script(ReceiverTranscript(packets[pick], false, -1, false));
    s.insert(s.end(), script.begin(), script.end());
    seeds.push_back({"ok_length_pick" + std::to_string(pick), s});
  }
  auto with = [](std::uint8_t pick, const Units& units) {
    Bytes s{pick};
    const Bytes script = FarEnd::Script(units);
    s.insert(s.end(), script.begin(), script.end());
    return s;
  };
  seeds.push_back({"ok_nack_header", with(3, ReceiverTranscript(3, true, -1, false))});
  seeds.push_back({"ok_nack_final_packet", with(3, ReceiverTranscript(3, false, 2, false))});
  seeds.push_back({"ok_nack_first_packet", with(2, ReceiverTranscript(3, false, 0, false))});
  seeds.push_back({"fail_terminate", with(3, ReceiverTranscript(3, false, -1, true))});
  Units silent = ReceiverTranscript(3, false, -1, false);
  silent.insert(silent.begin() + 3, Bytes{});
  silent.insert(silent.begin(), Bytes{});
  seeds.push_back({"ok_silences", with(0, silent)});

  // The simulated receiver taking every size, then faults placed in the exchange
  // (positions count the receiver's codes, or for the write ops the engine's writes).
  for (std::uint8_t pick = 0; pick < 8; ++pick)
    seeds.push_back({"ok_sim_size" + std::to_string(pick), Simulated(pick)});
  seeds.push_back({"sim_damaged_writes", Simulated(5, {{F::DamageWrite, 5, 77}, {F::DamageWrite, 9, 130}})});
  seeds.push_back({"sim_lost_and_late", Simulated(3, {{F::DropWrite, 4, 0}, {F::LateUnit, 3, 40}, {F::JunkBefore, 5, 1}})});
  seeds.push_back({"sim_codes_instead", Simulated(2, {{F::ReplaceWithCode, 2, 4}, {F::RepeatUnit, 3, 0}, {F::CutUnit, 4, 0}})});
  seeds.push_back({"fail_sim_hang_up_while_connecting", Simulated(0, {{F::HangUp, 0, 0}})});
  seeds.push_back({"fail_sim_hang_up_mid_database", Simulated(7, {{F::HangUp, 300, 0}})});
  return seeds;
}

std::vector<Seed> JsonImportSeeds() {
  std::vector<Seed> seeds;
  for (int dbType = 0; dbType < 4; ++dbType) {
    const std::string text = imagejson::Dump(imagejson::Export(Image(dbType, false).data(), dbType));
    seeds.push_back({"sample_type" + std::to_string(dbType) + ".json", Bytes(text.begin(), text.end())});
  }
  const std::string small = R"({"format":"quelmar-database","formatVersion":1,"dbType":3,"x":[1,2.0,"a\u00e9"]})";
  seeds.push_back({"small.json", Bytes(small.begin(), small.end())});
  return seeds;
}

std::vector<Seed> CsvImportSeeds() {
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildSampleDatabase(*db);
  const std::string text = channelcsv::Export(*db, 3);
  std::vector<Seed> seeds{{"sample.csv", Bytes(text.begin(), text.end())}};
  std::string reordered = text.substr(0, text.find("\r\n") + 2);
  reordered += "RADIO,1,=\"0044\",,,,,,,,,,,yes,News;Kids\r\nTV,2,\"Two, \"\"q\"\"\",,,Ver,,7,,,,,,,\r\n";
  seeds.push_back({"edited.csv", Bytes(reordered.begin(), reordered.end())});
  return seeds;
}

std::vector<Seed> TransponderListSeeds() {
  const auto seed = [](const char* name, const std::string& text) { return Seed{name, Bytes(text.begin(), text.end())}; };
  // The sample's satellites at the positions their names state, and one no name states.
  std::vector<testkit::ListSatellite> sample = {
      {"19.2E Meridian", 192, {{10744000, 22000000, 1}, {10714250}, {10758000, 22000000, 2}, {10773000, 22000000, 3}}},
      {"13.0E Boreal", 130, {{10971000, 29700000, 0}, {10972000, 27500000, 0}, {11013000}}},
      {"5.0W Tessera", -50, {{11595000, 27500000, 1}}},
      {"9.0E Nobody's", 90, {{11727000, 27500000, 1}}}};
  return {seed("sample.xml", testkit::SatellitesXml(sample)),
          seed("wide.xml", testkit::SatellitesXml(testkit::WideList(12, 40))),
          seed("billion_laughs.xml", testkit::BillionLaughs()),
          seed("attributes.xml", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<satellites>"
                                 "<sat name=\"Thor 0.8W\" position=\"-8\" flags=\"1\"><transponder frequency=\"10778000\" "
                                 "symbol_rate=\"0\" polarization=\"3\" is_id=\"1\"/></sat><x/></satellites>")};
}
