#include "outside/statusmgr/tests/store_fixture.h"

#include "common/win/registry_key.h"
#include "outside/statusmgr/store_layout.h"

namespace statusmgr::test {
namespace {

std::string KeyPath(const std::string& printer) {
  return std::string(kStoreKey) + "\\" + printer;
}

}  // namespace

void StoreTest::SetUp() {
  library = Library(LoadLibraryA(kStatusManagerLibrary));
  ASSERT_TRUE(library);
  open = library.Find<OpenManagerExAFunction>("OpenManagerExA");
  get = library.Find<GetPrinterStatusAFunction>("GetPrinterStatusA");
  getDirect = library.Find<GetPrinterStatusAFunction>("GetPrinterStatusDirectA");
  update = library.Find<UpdatePrinterStatusAFunction>("UpdatePrinterStatusA");
  close = library.Find<CloseManagerFunction>("CloseManager");
  ASSERT_TRUE(open && get && getDirect && update && close);
}

void StoreTest::TearDown() {
  for (const std::string& printer : added_) {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, KeyPath(printer).c_str());
  }
}

std::string StoreTest::PrinterName(const std::string& suffix) const {
  return "statusmgr-test-" + std::to_string(GetCurrentProcessId()) + "-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" + suffix;
}

std::string StoreTest::AddPrinter(const std::string& suffix) {
  const std::string printer = PrinterName(suffix);
  EXPECT_TRUE(RegistryKey::Create(HKEY_LOCAL_MACHINE, KeyPath(printer).c_str(), KEY_ALL_ACCESS));
  added_.push_back(printer);
  return printer;
}

void StoreTest::SetItem(const std::string& printer, const char* item, const Bytes& value) {
  EXPECT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, KeyPath(printer).c_str(), item, REG_BINARY,
                            value.data(), static_cast<DWORD>(value.size())),
            ERROR_SUCCESS);
}

std::optional<Bytes> StoreTest::StoredItem(const std::string& printer, const char* item) {
  Bytes value(4096);
  DWORD size = static_cast<DWORD>(value.size());
  if (RegGetValueA(HKEY_LOCAL_MACHINE, KeyPath(printer).c_str(), item, RRF_RT_REG_BINARY, nullptr,
                   value.data(), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.resize(size);
  return value;
}

std::optional<DWORD> StoreTest::Counter(const std::string& printer, const char* counter) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, KeyPath(printer).c_str(), counter, RRF_RT_REG_DWORD,
                   nullptr, &value, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

bool StoreTest::HasKey(const std::string& printer) {
  return static_cast<bool>(RegistryKey::Open(HKEY_LOCAL_MACHINE, KeyPath(printer).c_str(), KEY_READ));
}

void* StoreTest::Open(const std::string& printer) {
  void* manager = nullptr;
  EXPECT_EQ(open(printer.c_str(), 0, kOpenForDispatch, &manager), 0);
  EXPECT_NE(manager, nullptr);
  return manager;
}

}  // namespace statusmgr::test
