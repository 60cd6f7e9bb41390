// The C runtime's own assertion report: msvcrt's _assert on Windows (message
// box or stderr, as the process is set up), glibc's __assert_fail elsewhere.
// Both are declared only while NDEBUG is unset.
#undef NDEBUG
#include <cassert>
#include <cstdlib>

#include "runtime/injector/scoped_basic.h"

namespace injector::detail {

void fail_assertion(const char* expression, const char* source, unsigned line) {
#if defined(_WIN32)
  _assert(expression, source, line);
  // _assert returns when the user picks "Ignore"; going on would overrun the
  // buffer the assertion protects.
  std::abort();
#else
  __assert_fail(expression, source, line, nullptr);
#endif
}

}  // namespace injector::detail
