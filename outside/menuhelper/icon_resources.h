#pragma once
// The state icons embedded in menuhelper.dll, each holding a 32 x 32 and a
// 16 x 16 image.

#define IDI_PRINTER_READY 101
#define IDI_PRINTER_PRINTING 102
#define IDI_PRINTER_ALARM 103
#define IDI_PRINTER_OFFLINE 104
#define IDI_PRINTER_NO_RESPONSE 105
#define IDI_PRINTER_UNKNOWN 106
#define IDI_PRINTER_NO_SENDING 107
