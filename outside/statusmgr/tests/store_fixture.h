#pragma once
// Loads statusmgr by name and looks its entries up by name, as its callers
// do, and gives each test printers of its own in the store. Several test
// programs share one registry, so every name carries the process and the
// test, and every key is removed at the end.

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/status_manager_api.h"
#include "common/win/library.h"

namespace statusmgr::test {

using Bytes = std::vector<BYTE>;

class StoreTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A name no other test uses; AddPrinter also creates its key.
  std::string PrinterName(const std::string& suffix) const;
  std::string AddPrinter(const std::string& suffix);

  void SetItem(const std::string& printer, const char* item, const Bytes& value);
  // The REG_BINARY value as stored; nothing when missing or of another type.
  std::optional<Bytes> StoredItem(const std::string& printer, const char* item);
  std::optional<DWORD> Counter(const std::string& printer, const char* counter);
  bool HasKey(const std::string& printer);

  // Opens in the print processor's mode, expecting success.
  void* Open(const std::string& printer);

  Library library;
  OpenManagerExAFunction open = nullptr;
  GetPrinterStatusAFunction get = nullptr;
  GetPrinterStatusAFunction getDirect = nullptr;
  UpdatePrinterStatusAFunction update = nullptr;
  CloseManagerFunction close = nullptr;

 private:
  std::vector<std::string> added_;
};

}  // namespace statusmgr::test
