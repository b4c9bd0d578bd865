#include "portmon/core/monitor_variant.h"

#include "portmon/core/spooler_calls.h"

namespace portmon {

const MonitorVariant kNt4Variant{
    .signature = 0x5450,
    .answerVersion = 4,
    .answerByte7 = 1,
    .powerControl = true,
    .deviceIdByIoctl = true,
    .deviceIdByCode = false,
    .cancelByCode = false,
    .resetRule = ResetRule::RestartUnlessBidirectional,
    .markJobPrinting = false,
    .collation = false,
    .endJobCommand = kJobControlSentToPrinter,
};

const MonitorVariant kWin95Variant{
    .signature = 0x5450,
    .answerVersion = 4,
    .answerByte7 = 4,
    .powerControl = true,
    .deviceIdByIoctl = false,
    .deviceIdByCode = true,
    .cancelByCode = true,
    .resetRule = ResetRule::RestartTakingTheWrite,
    .markJobPrinting = true,
    .collation = true,
    .endJobCommand = kJobControlSentToPrinter,
};

// Removing the job at its end keeps NT 3.51's queue from filling up.
const MonitorVariant kNt3Variant{
    .signature = 0x4F50,
    .answerVersion = 3,
    .answerByte7 = 1,
    .powerControl = false,
    .deviceIdByIoctl = false,
    .deviceIdByCode = true,
    .cancelByCode = false,
    .resetRule = ResetRule::Fail,
    .markJobPrinting = false,
    .collation = false,
    .endJobCommand = kJobControlCancel,
};

}  // namespace portmon
