#include <cstring>

#include "common/win/metafile_handle.h"
#include "printproc/core/metafile.h"
#include "printproc/page_drawing.h"

namespace printproc {
namespace {

// The context's mapping and objects as they were before the page.
class SavedState {
 public:
  explicit SavedState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedState() {
    if (saved_ != 0) RestoreDC(dc_, saved_);
  }
  SavedState(const SavedState&) = delete;
  SavedState& operator=(const SavedState&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// GDI trusts the header's size; the checked length is written into it.
// The bits become a memory metafile here, and GDI takes memory metafile
// bits only when their header says so: a file written as a disk metafile
// would otherwise print an empty page.
MetafileHandle MakeMetafile(const std::vector<std::uint8_t>& checked) {
  std::vector<std::uint8_t> bits = checked;
  const std::uint16_t memoryType = 1;
  std::memcpy(bits.data(), &memoryType, sizeof memoryType);
  const auto words = static_cast<std::uint32_t>(bits.size() / 2);
  std::memcpy(bits.data() + 6, &words, sizeof words);
  return MetafileHandle(SetMetaFileBitsEx(static_cast<UINT>(bits.size()), bits.data()));
}

// The page's printable area in device units is the viewport; the window is
// the picture's box, the window the metafile sets itself, or a fixed mapping
// mode of a clipboard picture.
void SetFrame(HDC dc, const PageDesign& design) {
  const int width = GetDeviceCaps(dc, HORZRES);
  const int height = GetDeviceCaps(dc, VERTRES);
  SetMapMode(dc, MM_ANISOTROPIC);
  SetWindowOrgEx(dc, 0, 0, nullptr);
  SetWindowExtEx(dc, width, height, nullptr);
  SetViewportOrgEx(dc, 0, 0, nullptr);
  SetViewportExtEx(dc, width, height, nullptr);
  const PictureBox& box = design.box;
  if (design.kind == PictureKind::Placeable && box.right != box.left && box.bottom != box.top) {
    SetWindowOrgEx(dc, box.left, box.top, nullptr);
    SetWindowExtEx(dc, box.right - box.left, box.bottom - box.top, nullptr);
  }
  if (design.kind == PictureKind::Clipboard && design.mappingMode >= MM_TEXT &&
      design.mappingMode <= MM_ANISOTROPIC) {
    SetMapMode(dc, design.mappingMode);
  }
}

void DrawInstead(HDC dc, const TextRecord& record, const std::wstring& text) {
  const int length = static_cast<int>(text.size());
  if (!record.extended) {
    TextOutW(dc, record.x, record.y, text.c_str(), length);
    return;
  }
  RECT rect{};
  if (record.rect) rect = {(*record.rect)[0], (*record.rect)[1], (*record.rect)[2], (*record.rect)[3]};
  ExtTextOutW(dc, record.x, record.y, record.options, record.rect ? &rect : nullptr, text.c_str(),
              static_cast<UINT>(length), nullptr);
}

// A text record is the job's text when it is a placeholder, is passed over
// when it does not hold together, and any other record is played as it is.
int CALLBACK PlayRecord(HDC dc, HANDLETABLE* objects, METARECORD* record, int count, LPARAM param) {
  const auto& texts = *reinterpret_cast<const PageTexts*>(param);
  const Bytes bytes(reinterpret_cast<const std::uint8_t*>(record), std::size_t{record->rdSize} * 2);
  if (record->rdFunction != kMetaTextOut && record->rdFunction != kMetaExtTextOut) {
    PlayMetaFileRecord(dc, objects, record, static_cast<UINT>(count));
    return 1;
  }
  const auto text = ReadTextRecord(bytes);
  if (!text) return 1;
  switch (PlaceholderNumber(text->text)) {
    case 1:
      DrawInstead(dc, *text, texts.document);
      break;
    case 2:
      DrawInstead(dc, *text, texts.user);
      break;
    case 3:
      DrawInstead(dc, *text, texts.submitted);
      break;
    default:
      PlayMetaFileRecord(dc, objects, record, static_cast<UINT>(count));
  }
  return 1;
}

}  // namespace

bool PlayPageMetafile(HDC dc, const PageDesign& design, const PageTexts& texts) {
  const MetafileHandle metafile = MakeMetafile(design.metafile);
  if (!metafile) return false;
  const SavedState saved(dc);
  SetFrame(dc, design);
  EnumMetaFile(dc, metafile.get(), PlayRecord, reinterpret_cast<LPARAM>(&texts));
  return true;
}

}  // namespace printproc
