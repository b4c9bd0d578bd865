#include "printproc/settings.h"

#include <mutex>
#include <optional>
#include <vector>

#include "common/win/text_conversion.h"
#include "common/win/this_module.h"
#include "printproc/registry_values.h"
#include "printproc/resources.h"

namespace printproc {
namespace {

constexpr char kSettingsKey[] = "SOFTWARE\\NRV\\Prindora\\PDD";

struct Shared {
  std::mutex lock;
  ProcessorSettings settings;
};

Shared& Process() {
  static Shared shared;
  return shared;
}

ScoreTables ReadScoreTables() {
  const auto currentStatus = ReadRegistryValue(kSettingsKey, "CurrentStatus");
  const auto paperSize = ReadRegistryValue(kSettingsKey, "PaperSize");
  const auto duplex = ReadRegistryValue(kSettingsKey, "Duplex");
  const auto memory = ReadRegistryValue(kSettingsKey, "Memory");
  auto bytes = [](const std::optional<std::vector<std::uint8_t>>& value) -> std::optional<Bytes> {
    if (!value) return std::nullopt;
    return Bytes(*value);
  };
  return ChooseScoreTables({bytes(currentStatus), bytes(paperSize), bytes(duplex), bytes(memory)});
}

std::string LoadAnsiString(UINT id, const std::string& fallback) {
  const wchar_t* text = nullptr;
  const int length = LoadStringW(ThisModule(), id, reinterpret_cast<wchar_t*>(&text), 0);
  if (length <= 0) return fallback;
  return AnsiFromWide(std::wstring_view(text, static_cast<std::size_t>(length)));
}

}  // namespace

void LoadProcessorSettings() {
  ProcessorSettings settings;
  settings.dispatch.tables = ReadScoreTables();
  settings.dispatch.waitMs = ReadRegistryDword(kSettingsKey, "WaitTime").value_or(settings.dispatch.waitMs);
  settings.dispatch.rounds = ReadRegistryDword(kSettingsKey, "RetryTimes").value_or(settings.dispatch.rounds);
  settings.simpleSeparator = LoadAnsiString(IDS_SEPARATOR_SIMPLE, settings.simpleSeparator);
  settings.fullSeparator = LoadAnsiString(IDS_SEPARATOR_FULL, settings.fullSeparator);
  Shared& shared = Process();
  std::lock_guard guard(shared.lock);
  shared.settings = std::move(settings);
}

ProcessorSettings CurrentProcessorSettings() {
  Shared& shared = Process();
  std::lock_guard guard(shared.lock);
  return shared.settings;
}


}  // namespace printproc
