#pragma once
// The boundary every exported entry and COM method keeps: no C++ exception
// leaves it, for the spooler, the shell, the service manager or whichever
// program called could not survive one. An exception becomes the entry's
// own failure value, with the thread's last error telling why.

#include <windows.h>

#include <new>
#include <type_traits>

// Runs `call` and returns its result; an exception gives `failure` with the
// last error ERROR_NOT_ENOUGH_MEMORY (out of memory) or ERROR_INTERNAL_ERROR.
template <typename Result, typename Call>
Result GuardedEntry(Result failure, Call&& call) noexcept {
  try {
    return call();
  } catch (const std::bad_alloc&) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  } catch (...) {
    SetLastError(ERROR_INTERNAL_ERROR);
  }
  return failure;
}

// For entries that return nothing.
template <typename Call>
void GuardedEntry(Call&& call) noexcept {
  GuardedEntry(0, [&] {
    call();
    return 0;
  });
}

// For COM methods: E_OUTOFMEMORY or E_UNEXPECTED (with the last error set as
// above) when `call` throws.
template <typename Call>
HRESULT GuardedMethod(Call&& call) noexcept {
  try {
    return call();
  } catch (const std::bad_alloc&) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return E_OUTOFMEMORY;
  } catch (...) {
    SetLastError(ERROR_INTERNAL_ERROR);
    return E_UNEXPECTED;
  }
}
