#pragma once
// Flag sets and readable layer lists for the recipe tests.

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "nicconf/picture/core/layer.h"

namespace nic::picture {

inline std::ostream& operator<<(std::ostream& out, const Layer& l) {
  return out << l.name << ' ' << l.width << 'x' << l.height << '@' << l.x << ',' << l.y;
}

struct Flags {
  PictureFlags on = {};
  Flags(std::initializer_list<int> set) {
    for (int i : set) on[i] = 1;
  }
};

inline std::vector<std::string> Names(const LayerList& layers) {
  std::vector<std::string> names;
  for (const Layer& l : layers) names.emplace_back(l.name);
  return names;
}

inline const Layer* Find(const LayerList& layers, const std::string& name) {
  for (const Layer& l : layers) {
    if (name == l.name) return &l;
  }
  return nullptr;
}

}  // namespace nic::picture
