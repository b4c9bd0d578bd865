#include "nicconf/picture/shell/printer_picture.h"

#include <cstring>
#include <memory>

#include "nicconf/picture/core/recipes.h"
#include "nicconf/picture/shell/picture_composition.h"
#include "nicconf/picture/shell/picture_plugins.h"
#include "nicproto/status_interpretation.h"

namespace {

std::unique_ptr<PicturePlugins> plugins;

}  // namespace

void StartPictures(const std::string& directory) { plugins = std::make_unique<PicturePlugins>(directory); }

void StopPictures(bool processEnding) {
  if (plugins && processEnding) plugins->LeaveLibrariesLoaded();
  plugins.reset();
}

HBITMAP CreatePrinterPicture(HINSTANCE resources, const nic::PrinterPictureInfo& info, DWORD extra) {
  if (plugins)
    if (HBITMAP drawn = plugins->Draw(resources, info, extra)) return drawn;
  const std::uint32_t code = nic::InterpretStatus(nic::StatusWordsOf(info), info.family).pictureCode;
  const std::string_view model(info.model, strnlen(info.model, sizeof info.model));
  return ComposePicture(resources, nic::picture::LayersFor(model, info.family, info.pictureFlags, code, extra));
}
