#pragma once
// Writes what the installer writes below HKEY_LOCAL_MACHINE, under the names
// the agents and the settings pages read.

#include <string>

#include "outside/installer_keys/install_request.h"

namespace installer {

// The request's keys, its paths already resolved. False at the first value
// the registry refuses, with that key and value named.
bool WriteInstallerKeys(const InstallRequest& request, std::string& failure);

}  // namespace installer
