#include "maintui/core/mail_settings.h"

#include "common/dav_registry.h"

namespace maintui {
namespace {

constexpr MailField kSender[] = {
    {dav::kName, 100, 96, true, "管理者名", 50101},
    {dav::kMail, 100, 64, true, "メールアドレス", 50102},
    {dav::kServer, 80, 64, true, "メールサーバ名", 50103},
    {dav::kSubject, 150, 128, false, "Subject", 50105, kDefaultSubject},
    {dav::kDefaultTo, 100, 64, false, "デフォルトの送信先", 50106},
    {dav::kDefaultCc, 100, 64, false, "デフォルトの写し", 50107},
};
constexpr MailField kUser[] = {
    {dav::kCompany, 100, 96, false, "会社名", 50202},
    {dav::kDepartment, 100, 96, false, "部門名", 50203},
    {dav::kAddress, 200, 120, false, "所在地", 50204},
    {dav::kTelephone, 80, 64, false, "電話番号", 50205},
};
constexpr char kIncomplete[] = "メール送信に必要な情報が設定されていません。";

std::string LengthWarning(const MailField& field) {
  return std::string("入力可能な文字数をオーバーしました。\r\n") + field.label + "で入力可能な文字数は半角" +
         std::to_string(field.limit) + "文字までです。";
}

}  // namespace

std::span<const MailField> SenderFields() { return kSender; }
std::span<const MailField> UserFields() { return kUser; }

MailCheck CheckMailPage(std::span<const MailField> fields, std::span<const std::string> values) {
  enum class Failure { None, Required, Length } last = Failure::None;
  MailCheck check;
  for (std::size_t i = 0; i < fields.size() && i < values.size(); ++i) {
    if (fields[i].required && values[i].empty()) {
      last = Failure::Required;
    } else if (values[i].size() > fields[i].limit) {
      check.warnings.push_back(LengthWarning(fields[i]));
      last = Failure::Length;
    }
  }
  if (last == Failure::Required) check.warnings.push_back(kIncomplete);
  return check;
}

}  // namespace maintui
