#include "rmmmodel/core/alarm_notice.h"

#include <string>

#include "common/bounded_text.h"
#include "common/dav_registry.h"
#include "rmmmodel/core/shift_jis_cut.h"

namespace rmmmodel {

const AlarmTexts kTonerOutAlarm{dav::kTonerTo, dav::kTonerCc, dav::kTonerComment,
                                "ＥＰカートリッジ交換", "76 トナーナシ"};
const AlarmTexts kMaintenanceAlarm{dav::kMaintenanceTo, dav::kMaintenanceCc,
                                   dav::kMaintenanceComment, "定期保守", "77 テイキホシュ"};

namespace {

template <std::size_t N>
void CopyCut(char (&field)[N], const std::string& text) {
  CopyBoundedText(field, text.data(), ShiftJisPrefixLength(text, N - 1));
}

}  // namespace

DavNoticeRequest FillNotice(const AlarmTexts& texts, const PrinterSettingsCalls& settings) {
  DavNoticeRequest request{};
  CopyCut(request.to, settings.readText(settings.context, texts.toValue));
  CopyCut(request.cc, settings.readText(settings.context, texts.ccValue));
  CopyCut(request.message, settings.readText(settings.context, texts.messageValue));
  CopyCut(request.summary, texts.summary);
  CopyCut(request.alarm, texts.alarm);
  return request;
}

}  // namespace rmmmodel
