#pragma once
// The two alarm mails: where their To, Cc and message texts live among the
// printer's settings, and the fixed summary and alarm texts they carry.

#include "common/dav_records.h"
#include "rmmmodel/core/plugin_host.h"

namespace rmmmodel {

struct AlarmTexts {
  const char* toValue;
  const char* ccValue;
  const char* messageValue;
  const char* summary;
  const char* alarm;
};

extern const AlarmTexts kTonerOutAlarm;
extern const AlarmTexts kMaintenanceAlarm;

// Texts too long for their fields are cut at a character boundary.
DavNoticeRequest FillNotice(const AlarmTexts& texts, const PrinterSettingsCalls& settings);

}  // namespace rmmmodel
