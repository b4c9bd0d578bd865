#pragma once
// The printer picture the folder shows beside a status: a model's own
// picture library when "Printers.ini" names one, else the layers of its
// picture family composed from the folder's resources.

#include <windows.h>

#include <string>

#include "nicconf/exchange/status_poll.h"

// Module start and end: the table of picture libraries beside the folder
// (`directory` ends with a backslash). At process exit the libraries are
// left to the system.
void StartPictures(const std::string& directory);
void StopPictures(bool processEnding);

// The caller owns the bitmap; null when none could be made.
HBITMAP CreatePrinterPicture(HINSTANCE resources, const nic::PrinterPictureInfo& info, DWORD extra);
