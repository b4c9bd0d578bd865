// The mail notification module's class and interface ids, which the window
// creates and asks for.
#include <initguid.h>

#include "maintui/rmmui.h"
