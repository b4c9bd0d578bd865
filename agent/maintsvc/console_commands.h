#pragma once
// Arguments "install" and "remove": the service's registration with the
// service control manager, reported on the console.

namespace maintsvc {

void InstallService();

// Stops the service first if it runs, waiting as long as it is stopping.
void RemoveService();

}  // namespace maintsvc
