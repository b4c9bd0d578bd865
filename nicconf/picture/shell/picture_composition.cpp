#include "nicconf/picture/shell/picture_composition.h"

#include "common/win/gdi.h"

HBITMAP ComposePicture(HINSTANCE resources, const nic::picture::LayerList& layers) {
  using nic::picture::kCanvasSize;
  WindowContext screen(nullptr);
  DeviceContext canvas(CreateCompatibleDC(screen.get()));
  DeviceContext source(CreateCompatibleDC(screen.get()));
  if (!canvas || !source) return nullptr;
  GdiObject<HBITMAP> picture(CreateCompatibleBitmap(screen.get(), kCanvasSize, kCanvasSize));
  if (!picture) return nullptr;
  {
    Selection drawing(canvas.get(), picture.get());
    // A new bitmap's pixels are whatever the memory held: the picture starts
    // from a known canvas.
    PatBlt(canvas.get(), 0, 0, kCanvasSize, kCanvasSize, BLACKNESS);
    for (const nic::picture::Layer& layer : layers) {
      GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(LoadImageA(resources, layer.name, IMAGE_BITMAP, 0, 0, 0)));
      if (!bitmap) continue;
      Selection reading(source.get(), bitmap.get());
      const int width = layer.DrawnWidth();
      BitBlt(canvas.get(), layer.x, layer.y, width, layer.height, source.get(), width, 0, SRCAND);
      BitBlt(canvas.get(), layer.x, layer.y, width, layer.height, source.get(), 0, 0, SRCPAINT);
    }
  }
  return picture.release();
}
