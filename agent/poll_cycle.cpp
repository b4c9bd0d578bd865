// Winsock's header must come before the one windows.h brings.
#include <winsock2.h>

#include "agent/poll_cycle.h"

#include <nspapi.h>

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "agent/printer_list.h"
#include "common/bounded_text.h"
#include "common/dav_registry.h"
#include "common/mail_log.h"
#include "common/status_manager_api.h"
#include "common/win/library.h"
#include "common/win/mail_log_file.h"
#include "common/win/registry_key.h"

namespace agent {
namespace {

using PluginEntry = int(WINAPI*)(DavAgentContext*, const char*);
using SendMailFunction = int(WINAPI*)(const char*, int, DavNoticeRequest*);


LogTime Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}

// One qualifying printer handed to its model's plug-in; a plug-in that is
// missing or cannot be loaded is passed over silently.
void HandToPlugin(DavAgentContext& context, const std::string& printer) {
  CopyBoundedText(context.printerName, printer.c_str());
  const std::string path = PluginPath(printer);
  if (path.empty()) return;
  Library plugin(LoadLibraryA(path.c_str()));
  if (!plugin) return;
  if (auto entry = plugin.Find<PluginEntry>("DavDllMain")) entry(&context, context.printerName);
}

std::string ReadMailValue(const char* name) {
  return RegistryKey::Open(HKEY_LOCAL_MACHINE, dav::kMailKey, KEY_READ).ReadText(name, 256).value_or("");
}

}  // namespace

bool PollResources::Prepare(AgentKind kind) {
  context_.reset(new (std::nothrow) DavAgentContext{});
  if (context_ == nullptr) {
    if (kind == AgentKind::Service) LogAgentError(kNoMemoryMessage);
    return false;
  }
  status_.reset(new (std::nothrow) DavPrinterStatus{});
  if (status_ == nullptr) {
    LogAgentError(kNoMemoryMessage);
    return false;
  }
  statusManager_ = Library(LoadLibraryA(kStatusManagerLibrary));
  if (!statusManager_) return false;
  context_->statusManager = statusManager_.get();
  context_->openManager = statusManager_.Find<void*>("OpenManagerExA");
  context_->closeManager = statusManager_.Find<void*>("CloseManager");
  context_->getPrinterStatus = statusManager_.Find<void*>("GetPrinterStatusA");
  context_->status = status_.get();
  return context_->openManager != nullptr && context_->closeManager != nullptr &&
         context_->getPrinterStatus != nullptr;
}

PollOutcome RunPoll(PollResources& resources) {
  std::vector<PolledPrinter> printers;
  if (!ListPrinters(printers)) {
    LogAgentError(kPrintersNotListedMessage);
    return PollOutcome::PrintersNotListed;
  }
  for (const PolledPrinter& printer : printers) {
    // Settings emptied while the poll runs stop it at the next printer.
    if (!MailSettingsComplete()) break;
    HandToPlugin(*resources.context(), printer.name);
  }
  return PollOutcome::Done;
}

bool SendTestMail() {
  Library mail(LoadLibraryA("alertmail"));
  if (!mail) {
    OutputDebugStringA("Error 1\n");
    return false;
  }
  auto send = mail.Find<SendMailFunction>("DAVSendMail");
  if (send == nullptr) {
    OutputDebugStringA("Error 2\n");
    return false;
  }
  DavNoticeRequest request{};
  CopyBoundedText(request.to, ReadMailValue(dav::kDefaultTo).c_str());
  CopyBoundedText(request.cc, ReadMailValue(dav::kDefaultCc).c_str());
  CopyBoundedText(request.message, "This is test mail");
  CopyBoundedText(request.summary, "Test");
  send("Test Mail", kDavNoticeTest, &request);
  OutputDebugStringA("test mail\n");
  return true;
}

DWORD ReadPollInterval(AgentKind kind) {
  const char* name = kind == AgentKind::Service ? dav::kServiceInterval : dav::kAgentInterval;
  return RegistryKey::Open(HKEY_LOCAL_MACHINE, dav::kMailKey, KEY_ALL_ACCESS).ReadDword(name).value_or(0);
}

bool LogAgentError(const char* message) {
  return AppendToMailLog(ErrorLogEntry(Now(), message, LogTimeGap::TwoSpaces));
}

}  // namespace agent
