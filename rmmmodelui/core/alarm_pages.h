#pragma once
// The model's alarm settings pages without Windows: the two pages' one
// design with their own values and bits, the checks a page makes before it
// is left or saved, and the preview of what a notice will carry.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace rmmui {

enum class AlarmPage { Toner, Maintenance };

struct AlarmPageDesign {
  const char* caption;       // the page's dialog caption and tab
  std::uint32_t bit;         // in "DAV_CHECKMAIL"
  const char* toValue;       // the printer's values
  const char* ccValue;
  const char* commentValue;
  const char* noticeName;    // in the preview's summary line
  const char* alarmName;
  int checkHelpId;           // the page's own check box topic
};
const AlarmPageDesign& DesignOf(AlarmPage page);

// Limits in single-byte characters (a Shift_JIS double-byte character
// counts two), and the room the fields are read with.
inline constexpr std::size_t kToLimit = 64;
inline constexpr std::size_t kCcLimit = 64;
inline constexpr std::size_t kCommentLimit = 160;
inline constexpr std::size_t kToRoom = 99;
inline constexpr std::size_t kCcRoom = 99;
inline constexpr std::size_t kCommentRoom = 199;

struct PageWarning {
  std::string text;
  std::string caption;
};

// The first check that fails, in order: To missing, To, Cc, comment too
// long. An unticked page is not checked.
std::optional<PageWarning> CheckPage(bool ticked, const std::string& to, const std::string& cc,
                                     const std::string& comment);

// What the preview reads from the registry; a missing subject is absent.
struct StoredValues {
  std::string to, cc, comment;
  std::string mail;
  std::optional<std::string> subject;
  std::string company, department, address, tel;
};
std::string PreviewText(AlarmPage page, const StoredValues& values, const std::string& printer);

// "アラームの発信設定 - <printer>".
std::string SheetTitle(const std::string& printer);

}  // namespace rmmui
