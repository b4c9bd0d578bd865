// CreatePrinterBitmap through nicconf.dll's export: the picture composed
// from the DLL's own layer bitmaps, or a model's picture library.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/bounded_text.h"
#include "nicconf/exchange/status_poll.h"
#include "nicconf/folder/tests/folder_test_support.h"
#include "nicconf/picture/core/recipes.h"
#include "outside/picture_plugin/picture_plugin.h"

namespace {

using CreateBitmap = HBITMAP(WINAPI*)(HINSTANCE, nic::PrinterPictureInfo, DWORD);
using Pixels = std::vector<std::uint32_t>;  // top-down, 0x00RRGGBB

Pixels PixelsOf(HBITMAP bitmap, int& width, int& height) {
  BITMAP shape{};
  GetObject(bitmap, sizeof shape, &shape);
  width = shape.bmWidth;
  height = shape.bmHeight;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  Pixels pixels(static_cast<std::size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  for (auto& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

class PrinterBitmap : public testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryA("nicconf.dll");
    ASSERT_NE(module_, nullptr);
    create_ = reinterpret_cast<CreateBitmap>(reinterpret_cast<void*>(GetProcAddress(module_, "CreatePrinterBitmap")));
    ASSERT_NE(create_, nullptr);
  }
  void TearDown() override {
    DeleteFileA(ModuleBeside("Printers.ini").c_str());
    FreeLibrary(module_);
  }

  static nic::PrinterPictureInfo Info(const char* model, int family = 0) {
    nic::PrinterPictureInfo info{};
    CopyBoundedText(info.model, model);
    info.family = family;
    info.paperSource = 255;
    return info;
  }

  Pixels Picture(const nic::PrinterPictureInfo& info, HINSTANCE resources = nullptr) {
    HBITMAP bitmap = create_(resources != nullptr ? resources : module_, info, 0);
    EXPECT_NE(bitmap, nullptr);
    if (bitmap == nullptr) return {};
    int width = 0, height = 0;
    Pixels pixels = PixelsOf(bitmap, width, height);
    EXPECT_EQ(width, 200);
    EXPECT_EQ(height, 200);
    DeleteObject(bitmap);
    return pixels;
  }

  // The same picture composed in software from the DLL's layer bitmaps.
  Pixels Composed(const nic::PrinterPictureInfo& info, HINSTANCE resources = nullptr) {
    if (resources == nullptr) resources = module_;
    const auto code = nic::InterpretStatus(nic::StatusWordsOf(info), info.family).pictureCode;
    Pixels canvas(200 * 200, 0);
    for (const auto& layer : nic::picture::LayersFor(info.model, info.family, info.pictureFlags, code, 0)) {
      HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(resources, layer.name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
      if (bitmap == nullptr) continue;
      int width = 0, height = 0;
      const Pixels art = PixelsOf(bitmap, width, height);
      DeleteObject(bitmap);
      const int drawn = width / 2;
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < drawn; ++x) {
          const int cx = layer.x + x, cy = layer.y + y;
          if (cx < 0 || cy < 0 || cx >= 200 || cy >= 200) continue;
          std::uint32_t& pixel = canvas[cy * 200 + cx];
          pixel = (pixel & art[y * width + drawn + x]) | art[y * width + x];
        }
    }
    return canvas;
  }

  void WritePlugin(const char* model, const std::string& library) {
    WritePrivateProfileStringA(model, "DLL", library.c_str(), ModuleBeside("Printers.ini").c_str());
  }

  HMODULE module_ = nullptr;
  CreateBitmap create_ = nullptr;
};

TEST_F(PrinterBitmap, EveryFamilyIsComposedFromItsLayersExactly) {
  const char* models[] = {"LP-8000", "LP-8900", "LP-1200", "LP-2400", "LP-9000", "LP-9600",
                          "LP-9500", "LP-9500N", "LP-9800C", "VP-5000", "UNKNOWN-1"};
  for (const char* model : models) {
    for (int state = 0; state < 3; ++state) {
      nic::PrinterPictureInfo info = Info(model, 1);
      info.attrReceived = 1;
      info.portStatus = state == 1 ? 1 : 0;      // offline
      info.printActivity = state == 2 ? 1 : 0;  // printing
      for (int flag : {2, 3, 4, 5, 10, 11}) info.pictureFlags[flag] = 1;
      const Pixels drawn = Picture(info);
      ASSERT_EQ(drawn, Composed(info)) << model << " state " << state;
    }
  }
}

// The test program holds the backgrounds only: the printer is left out and
// the background still drawn.
TEST_F(PrinterBitmap, ALayerThatDoesNotLoadIsLeftOutAndTheRestDrawn) {
  const nic::PrinterPictureInfo info = Info("LP-8000");
  const Pixels partial = Picture(info, GetModuleHandleA(nullptr));
  EXPECT_EQ(partial, Composed(info, GetModuleHandleA(nullptr)));
  EXPECT_NE(partial, Picture(info));
  EXPECT_NE(partial, Pixels(200 * 200, 0));
}

TEST_F(PrinterBitmap, AModelWithoutAPictureGetsTheBodyOfItsPrinterFamily) {
  const Pixels page = Picture(Info("UNKNOWN-2", 0));
  const Pixels impact = Picture(Info("UNKNOWN-2", 2));
  EXPECT_NE(page, impact);
  EXPECT_EQ(impact, Composed(Info("UNKNOWN-2", 2)));
}

TEST_F(PrinterBitmap, APictureLibraryDrawsItsModelsAndTheFolderDrawsWhatItDeclines) {
  ASSERT_TRUE(CopyFileA(ModuleBeside("picture_plugin.dll").c_str(), ModuleBeside("plugin_a.dll").c_str(), FALSE));
  WritePlugin("DRAWN-1", "plugin_a.dll");
  WritePlugin("LP-8000", "plugin_a.dll");
  const Pixels drawn = Picture(Info("DRAWN-1"));
  EXPECT_EQ(drawn[kGroundPoint.y * 200 + kGroundPoint.x],
            static_cast<std::uint32_t>(GetRValue(kGround) << 16 | GetGValue(kGround) << 8 | GetBValue(kGround)));
  EXPECT_EQ(Picture(Info("LP-8000")), Composed(Info("LP-8000")));
}

TEST_F(PrinterBitmap, ALibraryThatIsMissingLacksTheEntryOrHasTooLongANameIsNotUsed) {
  WritePlugin("DRAWN-2", "menuhelper.dll");  // loads, but draws no pictures
  EXPECT_EQ(Picture(Info("DRAWN-2")), Composed(Info("DRAWN-2")));
  WritePlugin("DRAWN-3", std::string(300, 'x') + ".dll");
  EXPECT_EQ(Picture(Info("DRAWN-3")), Composed(Info("DRAWN-3")));

  // Asked again at each call: once the library is there, it draws.
  const std::string later = ModuleBeside("plugin_later.dll");
  DeleteFileA(later.c_str());
  WritePlugin("DRAWN-4", "plugin_later.dll");
  EXPECT_EQ(Picture(Info("DRAWN-4")), Composed(Info("DRAWN-4")));
  ASSERT_TRUE(CopyFileA(ModuleBeside("picture_plugin.dll").c_str(), later.c_str(), FALSE));
  EXPECT_NE(Picture(Info("DRAWN-4")), Composed(Info("DRAWN-4")));
}

TEST_F(PrinterBitmap, DrawingAgainAndAgainLeavesNoGdiObjectBehind) {
  const nic::PrinterPictureInfo info = Info("LP-8000");
  DeleteObject(create_(module_, info, 0));
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 100; ++i) DeleteObject(create_(module_, info, 0));
  const DWORD after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  EXPECT_EQ(after, before);
}

}  // namespace
