#pragma once
// The request's paths as the readers of the keys want them: absolute, with
// backslashes, and short enough for the buffers they are read into.

#include <string>

#include "outside/installer_keys/install_request.h"

namespace installer {

// False, with the reason, when a path cannot be made absolute or would not
// fit its reader.
bool ResolvePaths(InstallRequest& request, std::string& problem);

// The uninstall command that the entry names inside the install folder.
std::string UninstallCommand(const std::string& installDirectory);

}  // namespace installer
