#include "outside/netware/directory_tree.h"

#include <sstream>

namespace netware_standin {
namespace {

std::string WithoutRoot(std::string context) {
  const std::string root = "[Root]";
  if (context == root) return "";
  const std::string suffix = "." + root;
  if (context.size() > suffix.size() &&
      context.compare(context.size() - suffix.size(), suffix.size(), suffix) == 0) {
    context.resize(context.size() - suffix.size());
  }
  return context;
}

}  // namespace

std::vector<DirectoryObject> ReadDirectory(const std::string& text) {
  std::vector<DirectoryObject> directory;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t tab = line.find('\t');
    if (line.empty() || line[0] == '#' || tab == std::string::npos || tab == 0) continue;
    directory.push_back({line.substr(0, tab), line.substr(tab + 1)});
  }
  return directory;
}

std::vector<DirectoryObject> Subordinates(const std::vector<DirectoryObject>& directory,
                                          const std::string& context) {
  const std::string parent = WithoutRoot(context);
  std::vector<DirectoryObject> below;
  for (const DirectoryObject& object : directory) {
    const std::size_t dot = object.name.find('.');
    const std::string leaf = object.name.substr(0, dot);
    const std::string rest = dot == std::string::npos ? "" : object.name.substr(dot + 1);
    if (rest == parent) below.push_back({leaf, object.baseClass});
  }
  return below;
}

}  // namespace netware_standin
