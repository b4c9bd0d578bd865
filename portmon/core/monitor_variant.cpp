#include "portmon/core/monitor_variant.h"

namespace portmon {

const MonitorVariant kNt4Variant{0x5450, 4, 1, true, true, false, false};
const MonitorVariant kWin95Variant{0x5450, 4, 4, true, false, true, true};
const MonitorVariant kNt3Variant{0x4F50, 3, 1, false, false, true, false};

}  // namespace portmon
