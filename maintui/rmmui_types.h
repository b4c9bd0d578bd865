#pragma once
// The types rmmui_types.idl stands in for when widl reads rmmui.idl; the
// header widl writes includes this one.

#include <windows.h>
#include <shlobj.h>
