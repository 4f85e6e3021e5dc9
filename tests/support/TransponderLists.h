#pragma once
// Transponder lists (satellites.xml) written for tests, the fuzz seeds and the
// benchmarks: what a site publishes, and lists made to hurt.
#include <string>
#include <vector>

namespace testkit {

struct ListTransponder {
  unsigned frequency;  // kHz
  unsigned symbolRate = 27500000;
  int polarization = 0;  // the list's: 0 H, 1 V, 2 and 3 circular
};

struct ListSatellite {
  std::string name;
  int position;
  std::vector<ListTransponder> transponders;
};

// One satellite a line, one transponder a line, with the attributes a published list
// carries beside the ones read.
inline std::string SatellitesXml(const std::vector<ListSatellite>& satellites) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- made by a test -->\n<satellites>\n";
  for (const ListSatellite& s : satellites) {
    xml += "\t<sat name=\"" + s.name + "\" flags=\"0\" position=\"" + std::to_string(s.position) + "\">\n";
    for (const ListTransponder& t : s.transponders)
      xml += "\t\t<transponder frequency=\"" + std::to_string(t.frequency) + "\" symbol_rate=\"" +
             std::to_string(t.symbolRate) + "\" polarization=\"" + std::to_string(t.polarization) +
             "\" fec_inner=\"4\" system=\"0\" modulation=\"1\"/>\n";
    xml += "\t</sat>\n";
  }
  return xml + "</satellites>\n";
}

// `satellites` satellites from 0.0E eastwards in steps of 0.1 degree, each with
// `each` transponders from 10700 MHz up in steps of 3 MHz, polarizations taking turns
// with every fifth circular.
inline std::vector<ListSatellite> WideList(int satellites, int each) {
  std::vector<ListSatellite> list;
  for (int s = 0; s < satellites; ++s) {
    ListSatellite sat{"Sat " + std::to_string(s), s, {}};
    for (int t = 0; t < each; ++t)
      sat.transponders.push_back({unsigned(10700000 + 3000 * (t % 2000)), 27500000, t % 5 == 4 ? 2 : t % 2});
    list.push_back(std::move(sat));
  }
  return list;
}

// A document type whose entities double ten times over: a billion "lol"s from a
// file of a few hundred bytes, if anything ever expanded them.
inline std::string BillionLaughs() {
  std::string xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE satellites [\n <!ENTITY lol \"lol\">\n";
  std::string previous = "lol";
  for (int i = 1; i <= 9; ++i) {
    const std::string name = "lol" + std::to_string(i);
    xml += " <!ENTITY " + name + " \"";
    for (int k = 0; k < 10; ++k) xml += "&" + previous + ";";
    xml += "\">\n";
    previous = name;
  }
  return xml + "]>\n<satellites><sat name=\"&lol9;\" position=\"192\"/></satellites>\n";
}

}  // namespace testkit
