// The entries as callers use them: open by printer name, items with their
// exact sizes, the job record written and read back.
#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "common/dav_records.h"
#include "outside/statusmgr/tests/store_fixture.h"

namespace statusmgr::test {
namespace {

struct ItemCase {
  const char* name;
  std::uint32_t size;
};

// Stated here rather than taken from the library, so a wrong size there fails.
constexpr ItemCase kItems[] = {
    {"PrinterStatus", 12},      {"PageCount", 4},           {"DispatchJobInfo", 556},
    {"Port", 260},              {"PrinterExtStatus", 4},    {"CurrentStatus", 24},
    {"PrinterMemory", 4},       {"PrinterBinConfig", 1024}, {"PrinterOptConfig", 1024},
    {"SpoolerQueue", 1024},     {"PrinterQueue", 1024},
};

Bytes Pattern(std::size_t size) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<BYTE>(i * 7 + size);
  return bytes;
}

Bytes Words(std::initializer_list<std::uint32_t> words) {
  Bytes bytes;
  for (std::uint32_t word : words) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<BYTE>(word >> shift));
  }
  return bytes;
}

using EntriesTest = StoreTest;

TEST_F(EntriesTest, OpenFailsWithoutThePrintersKey) {
  void* manager = reinterpret_cast<void*>(1);
  EXPECT_NE(open(PrinterName("absent").c_str(), 0, kOpenForAlarms, &manager), 0);
  EXPECT_EQ(manager, nullptr);
  // An empty name would otherwise reach the store's own key.
  EXPECT_NE(open("", 0, kOpenForAlarms, &manager), 0);
  EXPECT_EQ(manager, nullptr);
}

TEST_F(EntriesTest, OpensAShiftJisNameWhoseSecondByteIsABackslash) {
  const std::string printer = AddPrinter("ソフト");
  ASSERT_NE(printer.find('\\'), std::string::npos);
  EXPECT_EQ(close(Open(printer)), 0);
}

TEST_F(EntriesTest, ItemsRoundTripWithTheirExactSizes) {
  const std::string printer = AddPrinter("p");
  void* manager = Open(printer);
  for (const GetPrinterStatusAFunction read : {get, getDirect}) {
    for (const ItemCase& item : kItems) {
      SCOPED_TRACE(item.name);
      const Bytes value = Pattern(item.size);
      SetItem(printer, item.name, value);
      Bytes buffer(item.size + 1, 0xEE);
      std::uint32_t needed = 0;
      EXPECT_NE(read(manager, item.name, buffer.data(), item.size - 1, &needed), 0);
      EXPECT_EQ(needed, item.size);
      needed = 0;
      ASSERT_EQ(read(manager, item.name, buffer.data(), item.size, &needed), 0);
      EXPECT_EQ(needed, item.size);
      EXPECT_EQ(Bytes(buffer.begin(), buffer.end() - 1), value);
      EXPECT_EQ(buffer.back(), 0xEE);
    }
  }
  close(manager);
}

TEST_F(EntriesTest, UnknownAndUnsetItemsFail) {
  void* manager = Open(AddPrinter("p"));
  Bytes buffer(1024);
  std::uint32_t needed = 99;
  EXPECT_NE(get(manager, "NoSuchItem", buffer.data(), 1024, &needed), 0);
  EXPECT_EQ(needed, 0u);
  EXPECT_NE(get(manager, "PrinterStatus", buffer.data(), 1024, &needed), 0);
  EXPECT_EQ(needed, 12u);
  close(manager);
}

TEST_F(EntriesTest, AShorterValueReadsZeroFilledALongerOneFails) {
  const std::string printer = AddPrinter("p");
  void* manager = Open(printer);
  SetItem(printer, "SpoolerQueue", Words({3}));
  Bytes buffer(1024, 0xEE);
  std::uint32_t needed = 0;
  ASSERT_EQ(get(manager, "SpoolerQueue", buffer.data(), 1024, &needed), 0);
  Bytes expected(1024, 0);
  expected[0] = 3;
  EXPECT_EQ(buffer, expected);
  SetItem(printer, "PageCount", Bytes(5, 1));
  EXPECT_NE(getDirect(manager, "PageCount", buffer.data(), 4, &needed), 0);
  close(manager);
}

TEST_F(EntriesTest, PageCountAllOnesMeansNoCount) {
  const std::string printer = AddPrinter("p");
  void* manager = Open(printer);
  SetItem(printer, "PageCount", Words({0xFFFFFFFF}));
  std::uint32_t count = 0;
  std::uint32_t needed = 0;
  ASSERT_EQ(getDirect(manager, "PageCount", &count, sizeof count, &needed), 0);
  EXPECT_EQ(count, kPageCountUnknown);
  close(manager);
}

TEST_F(EntriesTest, PrinterStatusFollowsTheStoreBetweenPolls) {
  const std::string printer = AddPrinter("p");
  void* manager = Open(printer);
  DavPrinterStatus status{};
  std::uint32_t needed = 0;
  SetItem(printer, "PrinterStatus", Words({0, 0x180, kStateOnline}));
  ASSERT_EQ(get(manager, "PrinterStatus", &status, sizeof status, &needed), 0);
  EXPECT_EQ(status.words[1], 0x180u);
  EXPECT_EQ(status.words[2], kStateOnline);
  SetItem(printer, "PrinterStatus", Words({0, 0, kStateTonerOut}));
  ASSERT_EQ(get(manager, "PrinterStatus", &status, sizeof status, &needed), 0);
  EXPECT_EQ(status.words[2], kStateTonerOut);
  close(manager);
}

TEST_F(EntriesTest, DispatchJobInfoIsStoredAndReadBack) {
  const std::string printer = AddPrinter("queue");
  void* manager = Open(printer);
  Bytes record(556, 0);
  record[0] = 42;
  std::memcpy(&record[4], "member", 6);
  std::memcpy(&record[264], "文書", 4);
  std::memcpy(&record[524], "user", 4);
  EXPECT_NE(update(manager, "DispatchJobInfo", Bytes(557).data(), 557), 0);
  ASSERT_EQ(update(manager, "DispatchJobInfo", record.data(), 556), 0);
  EXPECT_EQ(StoredItem(printer, "DispatchJobInfo"), record);
  Bytes buffer(556);
  std::uint32_t needed = 0;
  ASSERT_EQ(get(manager, "DispatchJobInfo", buffer.data(), 556, &needed), 0);
  EXPECT_EQ(buffer, record);
  close(manager);
}

TEST_F(EntriesTest, AClosedHandleIsRefused) {
  const std::string printer = AddPrinter("p");
  SetItem(printer, "PageCount", Words({7}));
  void* manager = Open(printer);
  ASSERT_EQ(close(manager), 0);
  std::uint32_t count = 0;
  std::uint32_t needed = 0;
  EXPECT_NE(getDirect(manager, "PageCount", &count, sizeof count, &needed), 0);
  EXPECT_NE(update(manager, "PageCount", &count, sizeof count), 0);
}

}  // namespace
}  // namespace statusmgr::test
