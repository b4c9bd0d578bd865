// The type library's class and interface ids, defined once for the module.
#include <initguid.h>

#include "maintui/rmmui.h"
