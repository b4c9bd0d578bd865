#pragma once
// The plug-in's surroundings in memory: settings as maps, a status manager
// with one printer, and services that record what the plug-in asked for.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "rmmmodel/core/plugin_host.h"

namespace rmmmodel::test {

struct SentMail {
  std::string printer;
  int kind;
  DavNoticeRequest request;
};

class FakeHost : public PrinterSettings, public StatusManager, public PluginServices {
 public:
  PluginHost host() { return {*this, *this, *this}; }

  SettingsKey Open(const char*) override { return key; }
  std::optional<std::uint32_t> ReadDword(const char* name) override {
    return Find(dwords, name);
  }
  bool WriteDword(const char* name, std::uint32_t value) override {
    return Write(dwords, name, value);
  }
  std::optional<std::uint64_t> ReadFileTime(const char* name) override {
    return Find(times, name);
  }
  bool WriteFileTime(const char* name, std::uint64_t value) override {
    return Write(times, name, value);
  }
  std::string ReadText(const char* name) override { return Find(texts, name).value_or(""); }

  int Open(const char* printer, std::uint32_t mode, void** manager) override {
    openedFor = printer;
    openMode = mode;
    *manager = handle;
    if (openResult == 0 && handle != nullptr) ++opens;
    return openResult;
  }
  bool ReadPrinterStatus(void* manager, DavPrinterStatus& out) override {
    if (manager != handle || !status) return false;
    out = *status;
    return true;
  }
  std::optional<std::uint32_t> ReadPageCount(void* manager) override {
    return manager == handle ? pageCount : std::nullopt;
  }
  void Close(void* manager) override { closed.push_back(manager); }

  bool SendMail(const char* printer, int kind, DavNoticeRequest& request) override {
    mails.push_back({printer, kind, request});
    return mailCounts;
  }
  std::uint64_t UtcFileTimeNow() override { return now; }
  void Pause(std::uint32_t milliseconds) override { pauses.push_back(milliseconds); }
  void LogError(const char* message) override { logged.push_back(message); }

  SettingsKey key = SettingsKey::Opened;
  std::map<std::string, std::uint32_t> dwords;
  std::map<std::string, std::uint64_t> times;
  std::map<std::string, std::string> texts;
  std::set<std::string> failingWrites;
  std::vector<std::string> writes;

  int openResult = 0;
  void* handle = &opens;
  std::optional<DavPrinterStatus> status = DavPrinterStatus{{0, 0, 0x1}};
  std::optional<std::uint32_t> pageCount = 1000;
  std::string openedFor;
  std::uint32_t openMode = 0;
  int opens = 0;
  std::vector<void*> closed;

  bool mailCounts = true;
  std::uint64_t now = 125000000000000000;  // mid 1997
  std::vector<SentMail> mails;
  std::vector<std::uint32_t> pauses;
  std::vector<std::string> logged;

 private:
  template <typename T>
  std::optional<T> Find(const std::map<std::string, T>& values, const char* name) const {
    if (key != SettingsKey::Opened) return std::nullopt;
    const auto found = values.find(name);
    return found == values.end() ? std::nullopt : std::optional<T>(found->second);
  }
  template <typename T>
  bool Write(std::map<std::string, T>& values, const char* name, T value) {
    writes.push_back(name);
    if (key != SettingsKey::Opened || failingWrites.count(name) != 0) return false;
    values[name] = value;
    return true;
  }
};

}  // namespace rmmmodel::test
