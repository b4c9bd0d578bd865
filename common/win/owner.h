#pragma once
// One owner for every kind of Windows resource: it holds a handle, gives it
// back exactly once through the kind's own release call, and moves but never
// copies. A kind is a small struct naming the handle type, the value that
// means "nothing held" and the release call:
//
//   struct PrinterKind {
//     using Handle = HANDLE;
//     static Handle Empty() noexcept { return nullptr; }
//     static void Release(Handle printer) noexcept { ClosePrinter(printer); }
//   };
//   using PrinterHandle = Owner<PrinterKind>;

#include <utility>

template <typename Kind>
class Owner {
 public:
  using Handle = typename Kind::Handle;

  Owner() noexcept = default;
  explicit Owner(Handle handle) noexcept : handle_(handle) {}
  ~Owner() { reset(); }
  Owner(Owner&& other) noexcept : handle_(other.release()) {}
  Owner& operator=(Owner&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  Owner(const Owner&) = delete;
  Owner& operator=(const Owner&) = delete;

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != Kind::Empty(); }

  // Gives the handle up without releasing it.
  Handle release() noexcept { return std::exchange(handle_, Kind::Empty()); }

  // Releases what is held and takes `handle` instead.
  void reset(Handle handle = Kind::Empty()) noexcept {
    const Handle old = std::exchange(handle_, handle);
    if (old != Kind::Empty()) Kind::Release(old);
  }

  // For calls that hand a new handle out through a pointer; what was held is
  // released first.
  Handle* out() noexcept {
    reset();
    return &handle_;
  }

 private:
  Handle handle_ = Kind::Empty();
};
