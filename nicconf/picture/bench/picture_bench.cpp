// The printer picture's cost under Wine: CreatePrinterBitmap of the busiest
// picture against its floor, the same number of mask-and-picture BitBlt
// pairs on a 200 x 200 memory bitmap, in the same run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "common/bounded_text.h"
#include "nicconf/exchange/status_poll.h"
#include "nicconf/picture/core/models.h"
#include "nicconf/picture/core/recipes.h"

namespace {

using CreatePicture = HBITMAP(WINAPI*)(HINSTANCE, nic::PrinterPictureInfo, DWORD);
constexpr int kCalls = 200;
constexpr int kRounds = 7;

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / frequency.QuadPart;
}

nic::picture::LayerList LayersOf(const nic::PrinterPictureInfo& info) {
  const auto code = nic::InterpretStatus(nic::StatusWordsOf(info), info.family).pictureCode;
  return nic::picture::LayersFor(info.model, info.family, info.pictureFlags, code, 0);
}

std::size_t LayerCount(const nic::PrinterPictureInfo& info) { return LayersOf(info).size(); }

// Of every model in a few states with every option, the one with most layers.
nic::PrinterPictureInfo Busiest() {
  nic::PrinterPictureInfo best{};
  for (const auto& row : nic::picture::ModelTable()) {
    for (int state = 0; state < 3; ++state) {
      nic::PrinterPictureInfo info{};
      CopyBoundedText(info.model, row.name);
      info.family = 1;
      info.attrReceived = 1;
      info.portStatus = state == 1;
      info.printActivity = state == 2;
      info.paperSource = 255;
      std::fill(std::begin(info.pictureFlags), std::end(info.pictureFlags), 1u);
      if (LayerCount(info) > LayerCount(best)) best = info;
    }
  }
  return best;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  HMODULE folder = LoadLibraryA("nicconf.dll");
  auto create = reinterpret_cast<CreatePicture>(reinterpret_cast<void*>(GetProcAddress(folder, "CreatePrinterBitmap")));
  if (create == nullptr) {
    std::fprintf(stderr, "nicconf.dll with CreatePrinterBitmap not found beside the program\n");
    return 1;
  }
  const nic::PrinterPictureInfo info = Busiest();
  const nic::picture::LayerList list = LayersOf(info);
  const int layers = static_cast<int>(list.size());

  HDC screen = GetDC(nullptr);
  HDC canvas = CreateCompatibleDC(screen), source = CreateCompatibleDC(screen);
  HBITMAP target = CreateCompatibleBitmap(screen, 200, 200);
  HBITMAP art = CreateCompatibleBitmap(screen, 400, 200);
  SelectObject(canvas, target);
  SelectObject(source, art);

  std::vector<double> pictures, floors;
  for (int round = 0; round < kRounds; ++round) {
    double start = Now();
    for (int i = 0; i < kCalls; ++i) DeleteObject(create(folder, info, 0));
    pictures.push_back((Now() - start) / kCalls);
    start = Now();
    for (int i = 0; i < kCalls; ++i)
      for (const nic::picture::Layer& layer : list) {
        const int width = layer.DrawnWidth();
        BitBlt(canvas, layer.x, layer.y, width, layer.height, source, width, 0, SRCAND);
        BitBlt(canvas, layer.x, layer.y, width, layer.height, source, 0, 0, SRCPAINT);
      }
    GdiFlush();
    floors.push_back((Now() - start) / kCalls);
  }
  const double picture = Median(pictures), floor = Median(floors);
  std::printf("busiest picture: %s, %d layers\n", info.model, layers);
  std::printf("CreatePrinterBitmap %.1f us, %d BitBlt pairs %.1f us, ratio %.2f (median of %d rounds of %d)\n",
              picture * 1e6, layers, floor * 1e6, picture / floor, kRounds, kCalls);
  return 0;
}
