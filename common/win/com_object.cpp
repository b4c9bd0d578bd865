#include "common/win/com_object.h"

namespace {

LONG locks = 0;

}  // namespace

void LockModule() { InterlockedIncrement(&locks); }
void UnlockModule() { InterlockedDecrement(&locks); }
bool ModuleUnlocked() { return InterlockedCompareExchange(&locks, 0, 0) == 0; }
