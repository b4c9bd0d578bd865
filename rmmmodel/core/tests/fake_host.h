#pragma once
// The plug-in's surroundings in memory: settings as maps, a status manager
// with one printer, and services that record what the plug-in asked for.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/seam.h"
#include "rmmmodel/core/plugin_host.h"

namespace rmmmodel::test {

struct SentMail {
  std::string printer;
  int kind;
  DavNoticeRequest request;
};

class FakeHost {
 public:
  PluginHost host() {
    return {{this, Through<&FakeHost::OpenKey>, Through<&FakeHost::ReadDword>,
             Through<&FakeHost::WriteDword>, Through<&FakeHost::ReadFileTime>,
             Through<&FakeHost::WriteFileTime>, Through<&FakeHost::ReadText>},
            {this, Through<&FakeHost::OpenManager>, Through<&FakeHost::ReadPrinterStatus>,
             Through<&FakeHost::ReadPageCount>, Through<&FakeHost::Close>},
            {this, Through<&FakeHost::SendMail>, Through<&FakeHost::UtcFileTimeNow>,
             Through<&FakeHost::Pause>, Through<&FakeHost::LogError>}};
  }

  SettingsKey OpenKey(const char*) { return key; }
  std::optional<std::uint32_t> ReadDword(const char* name) {
    return Find(dwords, name);
  }
  bool WriteDword(const char* name, std::uint32_t value) {
    return Write(dwords, name, value);
  }
  std::optional<std::uint64_t> ReadFileTime(const char* name) {
    return Find(times, name);
  }
  bool WriteFileTime(const char* name, std::uint64_t value) {
    return Write(times, name, value);
  }
  std::string ReadText(const char* name) { return Find(texts, name).value_or(""); }

  int OpenManager(const char* printer, std::uint32_t mode, void** manager) {
    openedFor = printer;
    openMode = mode;
    *manager = handle;
    if (openResult == 0 && handle != nullptr) ++opens;
    return openResult;
  }
  bool ReadPrinterStatus(void* manager, DavPrinterStatus& out) {
    if (manager != handle || !status) return false;
    out = *status;
    return true;
  }
  std::optional<std::uint32_t> ReadPageCount(void* manager) {
    return manager == handle ? pageCount : std::nullopt;
  }
  void Close(void* manager) { closed.push_back(manager); }

  bool SendMail(const char* printer, int kind, DavNoticeRequest& request) {
    mails.push_back({printer, kind, request});
    return mailCounts;
  }
  std::uint64_t UtcFileTimeNow() { return now; }
  void Pause(std::uint32_t milliseconds) { pauses.push_back(milliseconds); }
  void LogError(const char* message) { logged.push_back(message); }

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
