// Writes the printer pictures as PNG files for people to look at: every
// picture family with typical options, each picture code, and one contact
// sheet of a selection with a label under each picture.
//
//   picture_gallery ART_DIR OUT_DIR

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "nicconf/picture/core/recipes.h"
#include "nicconf/picture/gallery/image.h"

namespace {

using namespace nic::picture;

struct Setup {
  PictureFamily family;
  int printerFamily;  // matters to the generic family only
  std::vector<std::vector<int>> options;  // typical flag sets, the fullest last
};

const std::vector<Setup> kSetups = {
    {PictureFamily::kLaser1, 0, {{}, {2}, {2, 3, 4}}},
    {PictureFamily::kLaser2, 0, {{}, {2}, {2, 3, 4}}},
    {PictureFamily::kLaser3, 0, {{}, {2}, {2, 3}}},
    {PictureFamily::kLaser4, 0, {{}, {2}, {11}, {2, 11}}},
    {PictureFamily::kLaser5, 0, {{}, {3, 4}, {3, 5}, {3, 4, 5, 10}, {3, 4, 5, 10, 11}}},
    {PictureFamily::kLaser6, 0, {{}, {3, 6}, {3, 10, 14}, {3, 5, 6, 10, 11, 13, 14}}},
    {PictureFamily::kLaser7A, 0, {{}, {5}}},
    {PictureFamily::kLaser7B, 0, {{}, {6}}},
    {PictureFamily::kColor1, 0, {{}}},
    {PictureFamily::kImpact1, 0, {{}, {3}}},
    {PictureFamily::kGeneric, 0, {{}}},
    {PictureFamily::kGeneric, 2, {{}}},
    {PictureFamily::kGeneric, 3, {{}}},
};

constexpr std::uint32_t kCodes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 16, 17, 18, 19, 20};

std::string SetupName(const Setup& setup) {
  std::string name = FamilyName(setup.family);
  if (setup.family == PictureFamily::kGeneric) name += "-F" + std::to_string(setup.printerFamily);
  return name;
}

std::string FlagText(const std::vector<int>& flags, const char* separator) {
  if (flags.empty()) return "none";
  std::string text;
  for (int f : flags) text += (text.empty() ? "" : separator) + std::to_string(f);
  return text;
}

struct Bitmaps {
  std::string dir;
  mutable std::map<std::string, std::optional<Image>> cache;
};

std::optional<Image> Load(const std::string& name, const void* context) {
  const Bitmaps& bitmaps = *static_cast<const Bitmaps*>(context);
  auto it = bitmaps.cache.find(name);
  if (it == bitmaps.cache.end()) it = bitmaps.cache.emplace(name, ReadBmp(bitmaps.dir + "/" + name + ".bmp")).first;
  return it->second;
}

Image Picture(const Bitmaps& bitmaps, const Setup& setup, const std::vector<int>& flagSet,
              std::uint32_t code, bool& complete) {
  PictureFlags flags = {};
  for (int f : flagSet) flags[f] = 1;
  const LayerList layers = FamilyLayers(setup.family, setup.printerFamily, flags, code, 0);
  std::vector<std::string> missing;
  Image image = Compose(layers, Load, &bitmaps, &missing);
  for (const std::string& name : missing) std::fprintf(stderr, "picture_gallery: no bitmap %s\n", name.c_str());
  complete = complete && missing.empty();
  return image;
}

void Paste(Image& sheet, const Image& tile, int left, int top) {
  for (int y = 0; y < tile.height; ++y) {
    for (int x = 0; x < tile.width; ++x) sheet.At(left + x, top + y) = tile.At(x, y);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: picture_gallery ART_DIR OUT_DIR\n");
    return 2;
  }
  const Bitmaps bitmaps{argv[1], {}};
  const std::string out = argv[2];
  std::error_code error;
  std::filesystem::create_directories(out, error);
  bool complete = true;
  int written = 0;
  auto write = [&](const std::string& file, const Image& image) {
    if (!WritePng(out + "/" + file, image)) {
      std::fprintf(stderr, "picture_gallery: cannot write %s/%s\n", out.c_str(), file.c_str());
      complete = false;
    }
    ++written;
  };

  // Every option set with the printer ready; every code with no options
  // and with the fullest set.
  for (const Setup& setup : kSetups) {
    for (std::size_t i = 0; i < setup.options.size(); ++i) {
      const bool everyCode = i == 0 || i + 1 == setup.options.size();
      for (std::uint32_t code : kCodes) {
        if (code != 0 && !everyCode) continue;
        char file[128];
        std::snprintf(file, sizeof file, "%s_flags-%s_code-%02u.png", SetupName(setup).c_str(),
                      FlagText(setup.options[i], "-").c_str(), unsigned(code));
        write(file, Picture(bitmaps, setup, setup.options[i], code, complete));
      }
    }
  }

  // The contact sheet: a row per family, its fullest set-up with the
  // printer ready, then with no options, then a selection of problems.
  struct Column {
    bool fullest;
    std::uint32_t code;
  };
  const Column columns[] = {{true, 0}, {false, 0}, {true, 1}, {true, 5}, {true, 8},
                            {true, 9}, {true, 18}, {true, 17}, {true, 4}};
  constexpr int kGap = 4, kLabel = 12;
  const int cols = int(std::size(columns)), rows = int(kSetups.size());
  Image sheet(cols * (kCanvasSize + kGap) + kGap, rows * (kCanvasSize + kLabel + kGap) + kGap, 0x505860);
  for (int r = 0; r < rows; ++r) {
    const Setup& setup = kSetups[std::size_t(r)];
    for (int c = 0; c < cols; ++c) {
      const std::vector<int>& flagSet = columns[c].fullest ? setup.options.back() : setup.options.front();
      const int left = kGap + c * (kCanvasSize + kGap), top = kGap + r * (kCanvasSize + kLabel + kGap);
      Paste(sheet, Picture(bitmaps, setup, flagSet, columns[c].code, complete), left, top);
      char label[96];
      std::snprintf(label, sizeof label, "%s %s C%02u", SetupName(setup).c_str(), FlagText(flagSet, ",").c_str(),
                    unsigned(columns[c].code));
      for (int y = 0; y < kLabel; ++y) {
        for (int x = 0; x < kCanvasSize; ++x) sheet.At(left + x, top + kCanvasSize + y) = 0xF4F4F0;
      }
      DrawText(sheet, left + 3, top + kCanvasSize + 3, label, 0x202020);
    }
  }
  write("contact_sheet.png", sheet);
  std::printf("%d pictures in %s\n", written, out.c_str());
  return complete ? 0 : 1;
}
