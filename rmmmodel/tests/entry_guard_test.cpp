// Nothing the plug-in's work throws reaches the agent: the entry's work ends
// with 0 and the thread's last error says why.
#include <gtest/gtest.h>
#include <windows.h>

#include <new>
#include <stdexcept>

#include "common/win/testing/last_error.h"
#include "rmmmodel/plugin_entry.h"

namespace rmmmodel {
namespace {

SettingsKey OutOfMemory(void*, const char*) { throw std::bad_alloc(); }
SettingsKey Broken(void*, const char*) { throw std::runtime_error("broken registry"); }

int RunWithOpen(SettingsKey (*open)(void*, const char*)) {
  DavPrinterStatus status{};
  DavAgentContext context{};
  context.status = &status;
  PluginHost host{};
  host.settings.open = open;
  testkit::PresetLastError();
  return RunPlugin(context, "Office", host);
}

TEST(PluginEntryGuard, AThrowingSeamEndsTheCallWithZeroAndTheReason) {
  EXPECT_EQ(RunWithOpen(OutOfMemory), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
  EXPECT_EQ(RunWithOpen(Broken), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INTERNAL_ERROR));
}

}  // namespace
}  // namespace rmmmodel
