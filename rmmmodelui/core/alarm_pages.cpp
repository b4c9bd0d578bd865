#include "rmmmodelui/core/alarm_pages.h"

namespace rmmui {
namespace {

constexpr AlarmPageDesign kToner{"ＥＰカートリッジの交換", 0x01, "DAV_TONERTO", "DAV_TONERCC", "DAV_TONERCOMMENT",
                                 "ＥＰカートリッジの交換", "76 トナーナシ", 50301};
constexpr AlarmPageDesign kMaintenance{"定期保守", 0x10, "DAV_REGMAINTETO", "DAV_REGMAINTECC",
                                       "DAV_REGMAINTECOMMENT", "定期保守", "77 テイキホシュ", 50401};
constexpr char kSheetCaption[] = "アラームの発信設定";
constexpr char kLengthCaption[] = "メール通知の設定";
constexpr char kDefaultSubject[] = "[PD Report]";

}  // namespace

const AlarmPageDesign& DesignOf(AlarmPage page) { return page == AlarmPage::Toner ? kToner : kMaintenance; }

std::optional<PageWarning> CheckPage(bool ticked, const std::string& to, const std::string& cc,
                                     const std::string& comment) {
  if (!ticked) return std::nullopt;
  if (to.empty()) return PageWarning{"通知先(必須)が設定されていません。", kSheetCaption};
  if (to.size() > kToLimit)
    return PageWarning{"入力可能な文字数をオーバーしました。\r\n通知先(必須)で入力可能な文字数は半角64文字までです。",
                       kLengthCaption};
  if (cc.size() > kCcLimit)
    return PageWarning{"入力可能な文字数をオーバーしました。\r\n写しで入力可能な文字数は半角64文字までです。",
                       kLengthCaption};
  if (comment.size() > kCommentLimit)
    return PageWarning{"入力可能な文字数をオーバーしました。\r\nコメントで入力可能な文字数は半角160文字までです。",
                       kLengthCaption};
  return std::nullopt;
}

std::string PreviewText(AlarmPage page, const StoredValues& v, const std::string& printer) {
  const AlarmPageDesign& d = DesignOf(page);
  std::string text;
  text += "\r\n通知先： " + v.to + "\r\n\r\n";
  text += "写し： " + v.cc + "\r\n\r\n";
  text += "メールアドレス： " + v.mail + "\r\n\r\n";
  text += "Subject： " + v.subject.value_or(kDefaultSubject) + "\r\n\r\n";
  text += std::string("通知概要： ") + d.noticeName + "－＞ アラーム： " + d.alarmName + "\r\n\r\n";
  text += "プリンタ名： " + printer + "\r\n\r\n";
  text += "\r\nコメント： " + v.comment + "\r\n\r\n\r\n";
  text += "会社名： " + v.company + "\r\n\r\n";
  text += "部門名： " + v.department + "\r\n\r\n";
  text += "所在地： " + v.address + "\r\n\r\n";
  text += "電話番号： " + v.tel + "\r\n\r\n";
  return text;
}

std::string SheetTitle(const std::string& printer) { return std::string(kSheetCaption) + " - " + printer; }

}  // namespace rmmui
