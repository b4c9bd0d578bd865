#include "printproc/page_design.h"

#include <windows.h>

#include "common/win/kernel_handle.h"
#include "common/win/this_module.h"
#include "printproc/resources.h"
#include "printproc/settings.h"

namespace printproc {
namespace {

// Larger than any page design; a bigger file is no separator page.
constexpr LONGLONG kLargestPictureFile = 16 * 1024 * 1024;

std::optional<std::vector<std::uint8_t>> ReadSmallFile(const std::string& name) {
  HANDLE opened = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  const KernelHandle file(opened == INVALID_HANDLE_VALUE ? nullptr : opened);
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestPictureFile) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
    return std::nullopt;
  }
  bytes.resize(read);
  return bytes;
}

std::optional<PageDesign> ModulePage() {
  const HMODULE module = ThisModule();
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDR_SEPARATOR_PAGE),
                              MAKEINTRESOURCEA(RT_SEPARATOR_PAGE));
  HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  const void* bits = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bits == nullptr) return std::nullopt;
  return DesignFromPicture(Bytes(static_cast<const std::uint8_t*>(bits), SizeofResource(module, found)));
}

}  // namespace

std::optional<PageDesign> DesignFromPicture(Bytes file) {
  const auto picture = ReadPictureFile(file);
  if (!picture) return std::nullopt;
  PageDesign design;
  design.kind = picture->kind;
  design.metafile.assign(picture->metafile.begin(), picture->metafile.end());
  design.box = picture->box;
  design.mappingMode = picture->mappingMode;
  design.xExtent = picture->xExtent;
  design.yExtent = picture->yExtent;
  return design;
}

std::optional<PageDesign> LoadPageDesign(const Separator& separator) {
  switch (separator.kind) {
    case SeparatorKind::None:
      return std::nullopt;
    case SeparatorKind::Simple: {
      PageDesign simple;
      simple.simple = true;
      return simple;
    }
    case SeparatorKind::Full:
      return ModulePage();
    case SeparatorKind::Picture: {
      const auto bytes = ReadSmallFile(separator.file);
      if (!bytes) return std::nullopt;
      return DesignFromPicture(*bytes);
    }
  }
  return std::nullopt;
}

}  // namespace printproc
