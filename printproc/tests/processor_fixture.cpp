#include "printproc/tests/processor_fixture.h"

#include "common/dav_registry.h"
#include "outside/statusmgr/store_layout.h"

namespace printproc::test {
namespace {

std::string PrinterKey(const std::string& printer) {
  return std::string(dav::kPrintersKey) + "\\" + printer;
}

std::string StoreKey(const std::string& printer) {
  return std::string(statusmgr::kStoreKey) + "\\" + printer;
}

}  // namespace

std::string JobHeaderText(const std::string& items) {
  const std::string body = "PDStart" + items + "PDEnd";
  return "\x1C" + std::to_string(body.size()) + "z" + body;
}

void ProcessorTest::SetUp() {
  ASSERT_TRUE(sandbox.ready());
}

void ProcessorTest::SetPool(const std::vector<std::string>& members,
                            const std::vector<std::uint32_t>& priorities,
                            const std::vector<std::string>& withoutDriver) {
  std::string names;
  for (const std::string& member : members) {
    names += member + '\0';
    if (std::find(withoutDriver.begin(), withoutDriver.end(), member) == withoutDriver.end()) {
      ASSERT_TRUE(RegistrySandbox::SetString(PrinterKey(member).c_str(), dav::kPrinterDriver, "NRV Laser"));
    }
    SetItem(member, "PrinterExtStatus", Words({0}));
  }
  names += '\0';
  const std::string data = PrinterKey(spooler->queue) + "\\" + dav::kDriverData;
  ASSERT_TRUE(RegistrySandbox::SetBinary(data.c_str(), "PDD_PrinterNames", names.data(),
                                         static_cast<DWORD>(names.size())));
  if (!priorities.empty()) {
    ASSERT_TRUE(RegistrySandbox::SetBinary(data.c_str(), "PDD_Priority", priorities.data(),
                                           static_cast<DWORD>(priorities.size() * 4)));
  }
  SetItem(spooler->queue, "PrinterStatus", Words({0, 0, 0}));
}

void ProcessorTest::Online(const std::string& printer) {
  SetItem(printer, "CurrentStatus", Words({0, 0, 1}));
  SetItem(printer, "PrinterBinConfig", Bins({{1, 9, 50}}));
}

void ProcessorTest::SetItem(const std::string& printer, const char* item, const Block& value) {
  ASSERT_TRUE(RegistrySandbox::SetBinary(StoreKey(printer).c_str(), item, value.data(),
                                         static_cast<DWORD>(value.size())));
}

std::optional<Block> ProcessorTest::StoredItem(const std::string& printer, const char* item) {
  Block value(4096);
  DWORD size = static_cast<DWORD>(value.size());
  if (RegGetValueA(HKEY_LOCAL_MACHINE, StoreKey(printer).c_str(), item, RRF_RT_REG_BINARY, nullptr,
                   value.data(), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.resize(size);
  return value;
}

DWORD ProcessorTest::Counter(const std::string& printer, const char* counter) {
  DWORD value = 0;
  RegistrySandbox::GetDword(StoreKey(printer).c_str(), counter, value);
  return value;
}

void ProcessorTest::Initialize() { ASSERT_TRUE(InitializeProcessor(&table, spooler->calls())); }

HANDLE ProcessorTest::Open() {
  if (table.open == nullptr) Initialize();
  return table.open(spooler->queue.data());
}

BOOL ProcessorTest::Print(HANDLE processor, const char* separator, const char* document) {
  PrintDocumentData data{const_cast<char*>("RAW"), const_cast<char*>(document), 7, nullptr,
                         const_cast<char*>(separator)};
  return table.printDocument(processor, &data);
}

BOOL ProcessorTest::PrintJob(const std::string& job, const char* separator) {
  spooler->job = job;
  const HANDLE processor = Open();
  EXPECT_NE(processor, nullptr);
  if (processor == nullptr) return FALSE;
  const BOOL printed = Print(processor, separator);
  EXPECT_TRUE(table.close(processor));
  return printed;
}

}  // namespace printproc::test
