#include "rmmmodel/core/alarm_run.h"

#include "common/dav_registry.h"
#include "common/status_manager_api.h"
#include "rmmmodel/core/alarm_conditions.h"
#include "rmmmodel/core/alarm_notice.h"
#include "rmmmodel/core/toner_gate.h"

namespace rmmmodel {
namespace {

constexpr std::uint32_t kTonerFlag = dav::kTonerOutMail;
constexpr std::uint32_t kMaintenanceFlag = dav::kMaintenanceMail;

enum class Next { Continue, End, ReturnZero };

class AlarmRun {
 public:
  AlarmRun(DavAgentContext& context, const char* printerName, const PluginHost& host)
      : context_(context), printer_(printerName), host_(host) {}

  int Run() {
    const SettingsKey key = host_.settings.Open(printer_);
    if (key == SettingsKey::NoMemory) {
      host_.services.LogError(kNoMemoryMessage);
      return 0;
    }
    keyOpen_ = key == SettingsKey::Opened;
    if (MonitoringSwitchedOff()) return 0;
    const Next next = OpenManager() ? CheckAlarms() : Next::End;
    CloseManager();
    return next == Next::ReturnZero ? 0 : 1;
  }

 private:
  // Missing means not yet decided, and the printer is watched meanwhile.
  bool MonitoringSwitchedOff() {
    const auto eligible = host_.settings.ReadDword(dav::kPrinterEligible);
    return eligible && *eligible != 1;
  }

  bool OpenManager() {
    context_.managerHandle = nullptr;
    void* manager = nullptr;
    if (host_.statusManager.Open(context_.printerName, kOpenForAlarms, &manager) != 0 ||
        manager == nullptr) {
      return false;
    }
    context_.managerHandle = manager;
    return true;
  }

  // The handle is not left in the context once it is closed.
  void CloseManager() {
    if (context_.managerHandle == nullptr) return;
    host_.statusManager.Close(context_.managerHandle);
    context_.managerHandle = nullptr;
  }

  bool ReadStatus() {
    return host_.statusManager.ReadPrinterStatus(context_.managerHandle, *context_.status);
  }

  bool WriteSentFlags() { return host_.settings.WriteDword(dav::kMailsSent, sent_); }

  bool ReadSentFlags() {
    const auto sent = host_.settings.ReadDword(dav::kMailsSent);
    sent_ = sent.value_or(0);
    return sent || WriteSentFlags();
  }

  Next CheckAlarms() {
    if (!ReadStatus() || !WorthChecking(*context_.status) || !keyOpen_) return Next::End;
    const std::uint32_t wanted = host_.settings.ReadDword(dav::kCheckMail).value_or(0);
    if (!ReadSentFlags()) return Next::End;
    if ((wanted & kTonerFlag) != 0) {
      const Next next = CheckTonerOut();
      if (next != Next::Continue) return next;
    }
    if ((wanted & kMaintenanceFlag) != 0) CheckMaintenance();
    return Next::End;
  }

  // Toner back in re-arms the alarm; the week's gate stays where it is.
  Next CheckTonerOut() {
    if (!ReadStatus()) return Next::End;
    if (!TonerOut(*context_.status)) {
      sent_ &= ~kTonerFlag;
      return WriteSentFlags() ? Next::Continue : Next::End;
    }
    const std::uint64_t now = host_.services.UtcFileTimeNow();
    const bool gateOpen = TonerGateOpen(host_.settings.ReadFileTime(dav::kNextTonerMail), now);
    if ((sent_ & kTonerFlag) != 0 || !gateOpen) return Next::Continue;
    return MailTonerOut(now);
  }

  Next MailTonerOut(std::uint64_t now) {
    if (Send(kTonerOutAlarm, kDavNoticeToner)) {
      sent_ |= kTonerFlag;
      if (!WriteSentFlags()) return Next::ReturnZero;
      if (!host_.settings.WriteFileTime(dav::kNextTonerMail, NextTonerMailTime(now))) {
        return Next::End;
      }
    }
    host_.services.Pause(kPauseAfterMailMs);
    return Next::Continue;
  }

  void CheckMaintenance() {
    if (!ReadStatus() || !PageCountTrusted(*context_.status)) return;
    const auto count = host_.statusManager.ReadPageCount(context_.managerHandle);
    if (!count || !MaintenanceDue(*count) || (sent_ & kMaintenanceFlag) != 0) return;
    if (Send(kMaintenanceAlarm, static_cast<int>(*count | kDavNoticeMaintenance))) {
      sent_ |= kMaintenanceFlag;
      if (!WriteSentFlags()) return;
    }
    host_.services.Pause(kPauseAfterMailMs);
  }

  bool Send(const AlarmTexts& texts, int kind) {
    DavNoticeRequest request = FillNotice(texts, host_.settings);
    return host_.services.SendMail(printer_, kind, request);
  }

  DavAgentContext& context_;
  const char* printer_;
  const PluginHost& host_;
  bool keyOpen_ = false;
  std::uint32_t sent_ = 0;
};

}  // namespace

int RunAlarmChecks(DavAgentContext& context, const char* printerName, const PluginHost& host) {
  return AlarmRun(context, printerName, host).Run();
}

}  // namespace rmmmodel
