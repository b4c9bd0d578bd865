#pragma once
// The suite's one way of reaching what lies outside a piece of code (the
// spooler, the registry, the clock, a message box): a seam. A seam is a
// plain struct named <What>Calls whose first member is `void* context`,
// followed by function pointers that each take that context first:
//
//   struct SpoolerCalls {
//     void* context;
//     void* (*openPrinter)(void* context, const std::u16string& name);
//     ...
//   };
//
// The real one comes from the shell (a function such as WinspoolCalls()),
// a test double from the test; the code that uses a seam is handed it
// (a constructor argument or a member of the context it already gets) and
// never reaches for a process-wide one. Only an entry of a deliverable, where
// the operating system calls in with nothing of ours, takes its seams from the
// module's one state object.
//
// An object with member functions serves as a seam through Through<>:
//
//   SpoolerCalls calls() { return {this, Through<&Double::Open>, ...}; }

namespace seam_detail {

template <auto Method>
struct Trampoline;

template <typename Object, typename Result, typename... Args, Result (Object::*Method)(Args...)>
struct Trampoline<Method> {
  static Result Call(void* context, Args... args) {
    return (static_cast<Object*>(context)->*Method)(static_cast<Args&&>(args)...);
  }
};

template <typename Object, typename Result, typename... Args,
          Result (Object::*Method)(Args...) const>
struct Trampoline<Method> {
  static Result Call(void* context, Args... args) {
    return (static_cast<const Object*>(context)->*Method)(static_cast<Args&&>(args)...);
  }
};

}  // namespace seam_detail

// A function of the seam's form (context first) that calls `Method` on the
// object the context points at.
template <auto Method>
inline constexpr auto Through = &seam_detail::Trampoline<Method>::Call;
