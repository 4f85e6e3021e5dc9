#include "db/operations/SampleDatabase.h"

#include <cstdio>
#include <string>

#include "db/records/DbType.h"

namespace sample {
namespace {

// A small deterministic generator (numbers from Knuth's MMIX LCG), so demo and
// benchmark databases are the same on every run and every machine.
class Lcg {
 public:
  explicit Lcg(std::uint64_t seed) : s_(seed * 2862933555777941757ull + 3037000493ull) {}
  std::uint32_t Next() {
    s_ = s_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::uint32_t>(s_ >> 32);
  }
  std::uint32_t Below(std::uint32_t n) { return Next() % n; }

 private:
  std::uint64_t s_;
};

struct SatellitePlan {
  const char* name;
  std::uint32_t lnbType;
  std::uint16_t lnbLow, lnbHigh;
  std::uint32_t diseqcPort;
  bool tone22k;
  std::uint32_t motor;
  int transponders;
  std::uint16_t firstFrequency;  // MHz, Ku or C band
};

constexpr SatellitePlan kSatellites[] = {
    {"Meridian 19.2E", SatelliteRecord::kLnbUniversal, 9750, 10600, 1, false, 0, 14, 10744},
    {"Boreal 13.0E", SatelliteRecord::kLnbUniversal, 9750, 10600, 2, false, 0, 12, 10971},
    {"Orbis 28.2E", SatelliteRecord::kLnbUniversal, 9750, 10600, 3, false, 0, 10, 10773},
    {"Caravel 23.5E", SatelliteRecord::kLnbUniversal, 9750, 10600, 4, false, 0, 8, 11739},
    {"Helion 7.0E", SatelliteRecord::kLnbStandard, 10750, 10750, 5, true, 0, 7, 11471},
    {"Tessera 5.0W", SatelliteRecord::kLnbStandard, 10000, 10000, 6, false, 1, 6, 11595},
    {"Auster 42.0E", SatelliteRecord::kLnbUniversal, 9750, 10600, 0, false, 1, 6, 11012},
    {"Cygnal 68.5E C", SatelliteRecord::kLnbStandard, 5150, 5150, 0, false, 1, 5, 3706},
};

constexpr std::uint16_t kSymbolRates[] = {22000, 27500, 29900, 30000, 27500, 22000, 6111, 28800};

constexpr const char* kTvStems[] = {"Nova", "Alpen", "Terra", "Kino", "Sport", "Doku", "Rhein", "Lumen",
                                    "Vista", "Atlas", "Kids", "News", "Polar", "Sierra", "Tango", "Orion",
                                    "Fjord", "Delta", "Motor", "Gourmet", "Retro", "Planet", "Lido", "Aqua"};
constexpr const char* kTvTails[] = {" TV", " HD", " 1", " 2", " Plus", " 24", " Max", " One", " Info", " Prime"};
constexpr const char* kRadioStems[] = {"Radio", "Klassik", "Jazz", "Welle", "Hits", "Folk", "Talk", "Rock"};
constexpr const char* kRadioTails[] = {" FM", " 1", " 2", " 3", " Live", " Nord", " Sud", " Plus", " 80s", " Lounge"};

void SetUpSatellite(SatelliteRecord& s, std::size_t slot, const std::string& name) {
  s.SetFlags(0);
  s.SetState(SlotState::Used);
  s.SetSelfIndex(static_cast<std::uint32_t>(slot));
  s.SetSelected(true);
  s.SetName(name);
  s.SetLnbFreqHigh(SatelliteRecord::kDefaultLnbFreq);
  s.SetLnbFreqLow(SatelliteRecord::kDefaultLnbFreq);
}

void SetUpTransponder(TransponderRecord& t, std::size_t satellite, std::uint16_t frequency,
                      std::uint16_t symbolRate, std::uint32_t polarization) {
  t.SetState(SlotState::Used);
  t.SetSatelliteIndex(static_cast<std::uint32_t>(satellite));
  t.SetFrequencyWord(frequency);
  t.SetSymbolRate(symbolRate);
  t.SetPolarization(polarization);
}

void SetUpProgram(ProgramRecord& p, std::size_t transponder, const std::string& name, std::uint32_t type,
                  std::uint16_t serviceId, std::uint16_t pidBase) {
  // PIDs stay below 0x2000 so they read the same in every DbType.
  const int any = 0;
  p.SetState(SlotState::Used);
  p.SetTransponderIndex(static_cast<std::uint32_t>(transponder));
  p.SetName(name);
  p.SetServiceId(serviceId);
  p.SetPmtPid(static_cast<std::uint16_t>(0x0020 + (serviceId % 0x1E0)), any);
  p.SetVideoPid(type == ProgramRecord::kTv ? pidBase : 0, any);
  p.SetAudioPid(static_cast<std::uint16_t>(pidBase + 1), any);
  p.SetPcrPid(type == ProgramRecord::kTv ? pidBase : static_cast<std::uint16_t>(pidBase + 1), any);
  p.SetTtextPid(type == ProgramRecord::kTv && serviceId % 3 == 0 ? static_cast<std::uint16_t>(pidBase + 3) : 0, any);
  p.SetPresetWord(ProgramRecord::kPresetOnCreate);
  p.SetServiceType(type);
}

void Append(ServiceList& list, std::size_t program) {
  list.SetEntry(list.Count(), static_cast<std::uint16_t>(program));
  list.SetCount(static_cast<std::uint16_t>(list.Count() + 1));
}

void AddGroup(FavoriteGroupRecord& g, const char* name) {
  g.Clear();
  g.SetName(name);
  g.SetState(SlotState::Used);
}

void AddMember(FavoriteGroupRecord& g, std::size_t program) {
  g.SetMember(g.MemberCount(), static_cast<std::uint16_t>(program));
  g.SetMemberCount(g.MemberCount() + 1);
}

}  // namespace

ImageHeader MakeHeader(int dbType) {
  ImageHeader h;
  h.SetMagic(ImageHeader::kMagic);
  h.SetValidFlag(1);
  h.SetImageTypeWord(dbtype::ImageTypeWord(dbType));
  h.SetDataLength(ImageHeader::kFullDataLength);
  h.UpdateHeaderSum();
  return h;
}

void BuildSampleDatabase(ChannelDatabase& db) {
  db = ChannelDatabase{};
  Lcg rng(2024);
  std::size_t tpSlot = 0, progSlot = 0;
  std::uint16_t serviceId = 1001;
  std::size_t satSlot = 0;
  for (const SatellitePlan& plan : kSatellites) {
    SatelliteRecord& s = db.satellites[satSlot];
    SetUpSatellite(s, satSlot, plan.name);
    s.SetLnbType(plan.lnbType);
    s.SetLnbFreqLow(plan.lnbLow);
    s.SetLnbFreqHigh(plan.lnbHigh);
    s.SetDiseqcPort(plan.diseqcPort);
    s.SetTone22k(plan.tone22k);
    s.SetLnbPower(true);
    s.SetMotor(plan.motor);
    db.system.SetLastAddedSatellite(static_cast<std::uint16_t>(satSlot));

    std::uint16_t freq = plan.firstFrequency;
    for (int t = 0; t < plan.transponders; ++t, ++tpSlot) {
      const std::uint16_t sr = kSymbolRates[rng.Below(std::size(kSymbolRates))];
      SetUpTransponder(db.transponders[tpSlot], satSlot, freq, sr, static_cast<std::uint32_t>(t % 2));
      freq = static_cast<std::uint16_t>(freq + 19 + rng.Below(40));

      // Five to nine services per transponder; about one in four is radio.
      const int services = 5 + static_cast<int>(rng.Below(5));
      for (int k = 0; k < services; ++k, ++progSlot, ++serviceId) {
        const bool radio = rng.Below(4) == 0;
        const std::uint32_t type = radio ? ProgramRecord::kRadio : ProgramRecord::kTv;
        const std::string name =
            radio ? std::string(kRadioStems[rng.Below(std::size(kRadioStems))]) +
                        kRadioTails[rng.Below(std::size(kRadioTails))]
                  : std::string(kTvStems[rng.Below(std::size(kTvStems))]) + kTvTails[rng.Below(std::size(kTvTails))];
        ProgramRecord& p = db.programs[progSlot];
        SetUpProgram(p, tpSlot, name, type, serviceId, static_cast<std::uint16_t>(0x100 + 0x10 * k));
        if (rng.Below(25) == 0) p.SetLocked(true);
        Append(radio ? db.channelLists.radioList : db.channelLists.tvList, progSlot);
      }
    }
    ++satSlot;
  }

  auto& groups = db.channelLists.favoriteGroups;
  AddGroup(groups[0], "Favourites");
  AddGroup(groups[1], "News");
  AddGroup(groups[2], "Music");
  const ServiceList& tv = db.channelLists.tvList;
  const ServiceList& radio = db.channelLists.radioList;
  for (std::size_t i = 0; i < 12; ++i) AddMember(groups[0], tv.Entry(i * 7));
  for (std::size_t i = 0; i < tv.Count(); ++i) {
    const std::size_t slot = tv.Entry(i);
    if (db.programs[slot].Name().starts_with("News") && groups[1].MemberCount() < 20) AddMember(groups[1], slot);
  }
  for (std::size_t i = 0; i < radio.Count() && i < 30; i += 2) AddMember(groups[2], radio.Entry(i));
}

void BuildFullDatabase(ChannelDatabase& db, std::uint32_t seed) {
  db = ChannelDatabase{};
  Lcg rng(seed);
  for (std::size_t i = 0; i < SystemBlock::kSize; ++i) db.system.Bytes()[i] = static_cast<std::uint8_t>(rng.Next());
  db.system.SetLastAddedSatellite(ChannelDatabase::kSatelliteCount - 1);
  char name[32];
  for (std::size_t i = 0; i < ChannelDatabase::kSatelliteCount; ++i) {
    SatelliteRecord& s = db.satellites[i];
    std::snprintf(name, sizeof name, "Satellite %03zu", i);
    SetUpSatellite(s, i, name);
    // Preserved bits the receiver owns carry varied values.
    s.Set<SatelliteFields::kFlagsPreserved17>(rng.Next());
    s.SetLnbWord(rng.Next());
    s.SetMotorWord(rng.Next());
    s.SetMotor(i % 2);
    s.SetLnbFreqLow(9750);
    s.SetLnbFreqHigh(10600);
  }
  for (std::size_t i = 0; i < ChannelDatabase::kTransponderCount; ++i) {
    TransponderRecord& t = db.transponders[i];
    SetUpTransponder(t, i % ChannelDatabase::kSatelliteCount, static_cast<std::uint16_t>(10700 + (i * 7) % 2050),
                     27500, static_cast<std::uint32_t>(i % 2));
    t.Set<TransponderFields::kFlagsPreserved18>(rng.Next());
    t.Set<TransponderFields::kSymbolPreserved20>(rng.Next());
  }
  for (std::size_t i = 0; i < ChannelDatabase::kProgramCount; ++i) {
    ProgramRecord& p = db.programs[i];
    std::snprintf(name, sizeof name, "Program %04zu", i);
    const std::uint32_t type = i % 4 == 3 ? ProgramRecord::kRadio : ProgramRecord::kTv;
    SetUpProgram(p, i % ChannelDatabase::kTransponderCount, name, type, static_cast<std::uint16_t>(i + 1),
                 static_cast<std::uint16_t>(0x100 + (i % 0x1000)));
    p.Set<ProgramFields::kFlagsPreserved18>(rng.Next());
    p.Set<ProgramFields::kReserved32>(rng.Next());
    const std::uint32_t tail = rng.Next();  // reserved36 and reserved38 from one draw
    p.SetReserved36(static_cast<std::uint16_t>(tail));
    p.Set<ProgramFields::kReserved38>(tail >> 16);
  }
  // Both lists at capacity: a stress shape for list views, not a realistic receiver.
  ServiceList& tv = db.channelLists.tvList;
  ServiceList& radio = db.channelLists.radioList;
  for (std::size_t i = 0; i < ServiceList::kCapacity; ++i) {
    tv.SetEntry(i, static_cast<std::uint16_t>(i));
    radio.SetEntry(i, static_cast<std::uint16_t>(ServiceList::kCapacity - 1 - i));
  }
  tv.SetCount(ServiceList::kCapacity);
  radio.SetCount(ServiceList::kCapacity);
  for (std::size_t g = 0; g < ChannelListBlock::kGroupCount; ++g) {
    FavoriteGroupRecord& group = db.channelLists.favoriteGroups[g];
    std::snprintf(name, sizeof name, "Group %zu", g + 1);
    AddGroup(group, name);
    for (std::size_t m = 0; m < FavoriteGroupRecord::kMaxMembers; ++m) AddMember(group, (g * 500 + m * 3) % 4000);
  }
  db.trailerWord = rng.Next();
}

}  // namespace sample
