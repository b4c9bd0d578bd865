#pragma once
// Picture libraries for single models, named in "Printers.ini" beside the
// folder's DLL:
//
//   [LP-S100]
//   DLL=lps100.dll
//   ICON=lps100.ico
//
// A library is loaded the first time its model is drawn and stays loaded
// until the folder ends; a model whose library could not be had is looked
// up again at each call.

#include <windows.h>

#include <string>
#include <vector>

#include "nicconf/exchange/status_poll.h"

using CreatePrinterBitmapEntry = HBITMAP(WINAPI*)(HINSTANCE folder, nic::PrinterPictureInfo* info, DWORD extra);

struct PicturePlugin {
  char model[64];
  char library[260];
  char icon[268];  // kept for the library's own use; the picture needs none
  HMODULE handle;
  CreatePrinterBitmapEntry entry;
};

class PicturePlugins {
 public:
  // `directory` ends with a backslash.
  explicit PicturePlugins(std::string directory);
  ~PicturePlugins();
  PicturePlugins(const PicturePlugins&) = delete;
  PicturePlugins& operator=(const PicturePlugins&) = delete;

  // The model's library's picture; null when it has none or declines.
  HBITMAP Draw(HINSTANCE folder, const nic::PrinterPictureInfo& info, DWORD extra);

  // At process exit a library may no longer be freed.
  void LeaveLibrariesLoaded() { leaveLoaded_ = true; }

  std::size_t size() const { return entries_.size(); }
  std::size_t capacity() const { return entries_.capacity(); }

 private:
  const PicturePlugin* Find(const std::string& model) const;
  bool Register(const std::string& model);

  std::string directory_;
  std::vector<PicturePlugin> entries_;  // entry 0 stays empty
  bool leaveLoaded_ = false;
};
