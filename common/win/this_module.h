#pragma once
// The module this code is linked into, the DLL or a program that links the
// same library, for its resources.

#include <windows.h>

HMODULE ThisModule();
