#pragma once
// The stand-in directory: objects read from a text file (path in the
// environment variable NWDS_TREE), one a line, its full name with the
// components separated by '.' from the leaf up, a tab, its base class:
//
//   ACME	Organization
//   SALES.ACME	Organizational Unit
//   LASER1.SALES.ACME	Queue
//
// A name context is a full name, "[Root]", or a full name ending ".[Root]".

#include <string>
#include <vector>

namespace netware_standin {

struct DirectoryObject {
  std::string name;  // the full name
  std::string baseClass;
};

std::vector<DirectoryObject> ReadDirectory(const std::string& text);

// The objects directly below `context`, each with its leaf name.
std::vector<DirectoryObject> Subordinates(const std::vector<DirectoryObject>& directory,
                                          const std::string& context);

}  // namespace netware_standin
