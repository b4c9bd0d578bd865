#pragma once
// A processor on a dispatch queue of the test's own registry: the pool in
// the queue's driver data, the members' printer keys, their items in the
// status manager's store, and the spooler double behind the seam.

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "common/win/testing/registry_sandbox.h"
#include "printproc/testing/status_blocks.h"
#include "printproc/processor_table.h"
#include "printproc/tests/spooler_double.h"

namespace printproc::test {

// A job header as the maker's driver writes it.
std::string JobHeaderText(const std::string& items);

class ProcessorTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // The members in order, each with a driver unless listed in `withoutDriver`.
  void SetPool(const std::vector<std::string>& members,
               const std::vector<std::uint32_t>& priorities = {},
               const std::vector<std::string>& withoutDriver = {});
  // A member the status manager knows and reports online with paper 9.
  void Online(const std::string& printer);
  void SetItem(const std::string& printer, const char* item, const Block& value);
  std::optional<Block> StoredItem(const std::string& printer, const char* item);
  DWORD Counter(const std::string& printer, const char* counter);

  // Reads the settings (after the test has set them) and fills the table.
  void Initialize();
  HANDLE Open();
  // Prints the double's job on an open processor.
  BOOL Print(HANDLE processor, const char* separator = nullptr, const char* document = "Report");
  // Opens, prints and closes; the print result.
  BOOL PrintJob(const std::string& job, const char* separator = nullptr);

  RegistrySandbox sandbox;
  PrintProcessorTable table{};
  SpoolerDouble spoolerDouble;
  SpoolerDouble* spooler = &spoolerDouble;
};

}  // namespace printproc::test
