#include "nicconf/picture/shell/picture_plugins.h"

#include <cstring>

#include "common/bounded_text.h"

namespace {

constexpr std::size_t kGrowth = 10;

std::string ProfileText(const std::string& file, const std::string& section, const char* key, DWORD capacity) {
  std::string value(capacity + 1, '\0');
  const DWORD length = GetPrivateProfileStringA(section.c_str(), key, "", value.data(), capacity + 1, file.c_str());
  value.resize(length);
  return value;
}

}  // namespace

PicturePlugins::PicturePlugins(std::string directory) : directory_(std::move(directory)) {
  entries_.reserve(kGrowth);
  entries_.push_back(PicturePlugin{});
}

PicturePlugins::~PicturePlugins() {
  if (leaveLoaded_) return;
  for (const PicturePlugin& plugin : entries_)
    if (plugin.handle != nullptr) FreeLibrary(plugin.handle);
}

const PicturePlugin* PicturePlugins::Find(const std::string& model) const {
  for (std::size_t i = 1; i < entries_.size(); ++i)
    if (model == entries_[i].model) return &entries_[i];
  return nullptr;
}

bool PicturePlugins::Register(const std::string& model) {
  const std::string ini = directory_ + "Printers.ini";
  const std::string name = ProfileText(ini, model, "DLL", 260);
  if (name.empty()) return false;
  PicturePlugin plugin{};
  // A path longer than the field would load some other, shorter name.
  if (CopyBoundedText(plugin.library, (directory_ + name).c_str()) != directory_.size() + name.size()) return false;
  plugin.handle = LoadLibraryA(plugin.library);
  if (plugin.handle == nullptr) return false;
  plugin.entry = reinterpret_cast<CreatePrinterBitmapEntry>(
      reinterpret_cast<void*>(GetProcAddress(plugin.handle, "DllCreatePrinterBitmap")));
  if (plugin.entry == nullptr) {
    FreeLibrary(plugin.handle);
    return false;
  }
  const std::string icon = ProfileText(ini, model, "ICON", 268);
  if (!icon.empty()) CopyBoundedText(plugin.icon, (directory_ + icon).c_str());
  CopyBoundedText(plugin.model, model.c_str());
  if (entries_.size() % kGrowth == 0) entries_.reserve(entries_.size() + kGrowth);
  entries_.push_back(plugin);
  return true;
}

HBITMAP PicturePlugins::Draw(HINSTANCE folder, const nic::PrinterPictureInfo& info, DWORD extra) {
  const std::string model(info.model, strnlen(info.model, sizeof info.model));
  if (model.empty()) return nullptr;
  const PicturePlugin* plugin = Find(model);
  if (plugin == nullptr && Register(model)) plugin = Find(model);
  if (plugin == nullptr) return nullptr;
  // The library gets a copy: what it does to it stays with it.
  nic::PrinterPictureInfo copy = info;
  return plugin->entry(folder, &copy, extra);
}
