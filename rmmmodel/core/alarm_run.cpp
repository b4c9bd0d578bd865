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
    const SettingsKey key = settings().open(settings().context, printer_);
    if (key == SettingsKey::NoMemory) {
      services().logError(services().context, kNoMemoryMessage);
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
    const auto eligible = settings().readDword(settings().context, dav::kPrinterEligible);
    return eligible && *eligible != 1;
  }

  bool OpenManager() {
    context_.managerHandle = nullptr;
    void* manager = nullptr;
    if (statusManager().open(statusManager().context, context_.printerName, kOpenForAlarms, &manager) != 0 ||
        manager == nullptr) {
      return false;
    }
    context_.managerHandle = manager;
    return true;
  }

  // The handle is not left in the context once it is closed.
  void CloseManager() {
    if (context_.managerHandle == nullptr) return;
    statusManager().close(statusManager().context, context_.managerHandle);
    context_.managerHandle = nullptr;
  }

  bool ReadStatus() {
    return statusManager().readPrinterStatus(statusManager().context, context_.managerHandle, *context_.status);
  }

  bool WriteSentFlags() { return settings().writeDword(settings().context, dav::kMailsSent, sent_); }

  bool ReadSentFlags() {
    const auto sent = settings().readDword(settings().context, dav::kMailsSent);
    sent_ = sent.value_or(0);
    return sent || WriteSentFlags();
  }

  Next CheckAlarms() {
    if (!ReadStatus() || !WorthChecking(*context_.status) || !keyOpen_) return Next::End;
    const std::uint32_t wanted = settings().readDword(settings().context, dav::kCheckMail).value_or(0);
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
    const std::uint64_t now = services().utcFileTimeNow(services().context);
    const bool gateOpen = TonerGateOpen(settings().readFileTime(settings().context, dav::kNextTonerMail), now);
    if ((sent_ & kTonerFlag) != 0 || !gateOpen) return Next::Continue;
    return MailTonerOut(now);
  }

  Next MailTonerOut(std::uint64_t now) {
    if (Send(kTonerOutAlarm, kDavNoticeToner)) {
      sent_ |= kTonerFlag;
      if (!WriteSentFlags()) return Next::ReturnZero;
      if (!settings().writeFileTime(settings().context, dav::kNextTonerMail, NextTonerMailTime(now))) {
        return Next::End;
      }
    }
    services().pause(services().context, kPauseAfterMailMs);
    return Next::Continue;
  }

  void CheckMaintenance() {
    if (!ReadStatus() || !PageCountTrusted(*context_.status)) return;
    const auto count = statusManager().readPageCount(statusManager().context, context_.managerHandle);
    if (!count || !MaintenanceDue(*count) || (sent_ & kMaintenanceFlag) != 0) return;
    if (Send(kMaintenanceAlarm, static_cast<int>(*count | kDavNoticeMaintenance))) {
      sent_ |= kMaintenanceFlag;
      if (!WriteSentFlags()) return;
    }
    services().pause(services().context, kPauseAfterMailMs);
  }

  bool Send(const AlarmTexts& texts, int kind) {
    DavNoticeRequest request = FillNotice(texts, host_.settings);
    return services().sendMail(services().context, printer_, kind, request);
  }

  const PrinterSettingsCalls& settings() const { return host_.settings; }
  const StatusManagerCalls& statusManager() const { return host_.statusManager; }
  const PluginServiceCalls& services() const { return host_.services; }

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
