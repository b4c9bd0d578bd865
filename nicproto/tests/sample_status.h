#pragma once
// Status texts written field by field, independent of the parser: the tests,
// the benchmark and the fuzz seeds use them.

#include <string>
#include <vector>

#include "nicproto/tests/bytes.h"

namespace nic::test {

struct ExtStatusFields {
  unsigned long alarmBits = 0;
  unsigned paperSource = 1;
  unsigned printerSpecific = 0x30;
  std::vector<std::vector<unsigned>> entries = {{1, 1, 0, 0}, {2, 1, 0, 0}, {3, 0, 0, 0}};
};

inline std::string ExtStatusValue(const ExtStatusFields& f) {
  std::string s = Hex32(f.alarmBits) + Hex16(0x0102) + Hex32(0x0A0B0C0D) + Hex8(f.paperSource) +
                  Hex8(0) + Hex8(f.printerSpecific) + Hex8(static_cast<unsigned>(f.entries.size()));
  for (const auto& e : f.entries) {
    for (unsigned b : e) s += Hex8(b);
  }
  return s;
}

struct AdvInfoFields {
  unsigned long alarmBits = 0;
  unsigned paperSource = 2;
  unsigned optionByte = 2;  // byte 16
  std::vector<std::vector<unsigned>> entries = {{1, 1, 0, 0}, {2, 1, 0, 0}, {3, 0, 0, 0}};
  std::vector<std::vector<unsigned>> units = {{1, 2, 0}, {2, 0, 0}, {3, 2, 0}};
};

inline std::string AdvInfoValue(const AdvInfoFields& f) {
  std::string s = Hex32(f.alarmBits) + Hex16(0) + Hex32(0);
  for (unsigned i = 12; i <= 24; ++i) {
    s += Hex8(i == 12 ? f.paperSource : i == 16 ? f.optionByte : 0);
  }
  s += Hex8(static_cast<unsigned>(f.entries.size()));
  for (const auto& e : f.entries) {
    for (unsigned b : e) s += Hex8(b);
  }
  s += Hex8(static_cast<unsigned>(f.units.size()));
  for (const auto& u : f.units) {
    for (unsigned b : u) s += Hex8(b);
  }
  return s;
}

inline std::string AdvInfo2Value(unsigned byte5) {
  return Hex32(7) + Hex8(0) + Hex8(byte5) + Hex16(0) + Hex16(0) + Hex8(0) + Hex16(1) + Hex16(2) +
         Hex16(3) + Hex16(4) + Hex8(0) + Hex8(0) + Hex16(0) + Hex16(0) + Hex8(0) + Hex8(0xEE);
}

// About 400 bytes, as a printer of the family sends it with all three blocks.
inline std::string RealisticStatusText() {
  return "MFG:NRV;CMD:ESCPL2,BDC,D4,PRPXL24-01;MDL:LP-9800C;CLS:PRINTER;"
         "DES:NRV LP-9800C;CID:NRVLP98C;MODE:PAGE;LEVEL:2;VERSION:1.05;STATUS:IDLE;"
         "EXTSTS:" + ExtStatusValue({}) + ";ADVINF:" + AdvInfoValue({}) +
         ";ADVINF2:" + AdvInfo2Value(4) + ";DCMD:EJL,PJL;";
}

}  // namespace nic::test
