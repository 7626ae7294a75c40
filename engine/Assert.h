#pragma once

// ASSERT(condition): a precondition or postcondition of a kernel (lengths,
// digits and limbs in range, no carry or borrow left over), in the manner of
// GMP's ASSERT. Checked when the build defines TESSELON_ASSERT, as the
// sanitizer build does; otherwise the condition is not evaluated, though
// its names still count as used. A failed check names the file, the line and
// the condition on standard error and aborts.
//
// ASSERT_CODE(statement) keeps a statement, such as a copy kept for a later
// check, only in the checked build.
#include <cstdio>
#include <cstdlib>

namespace tesselon::detail {

[[noreturn]] inline void AssertFailed(const char* file, int line, const char* condition) {
  std::fprintf(stderr, "%s:%d: ASSERT failed: %s\n", file, line, condition);
  std::abort();
}

}  // namespace tesselon::detail

#ifdef TESSELON_ASSERT
#define ASSERT(condition) \
  ((condition) ? (void)0 : ::tesselon::detail::AssertFailed(__FILE__, __LINE__, #condition))
#define ASSERT_CODE(statement) statement
#else
#define ASSERT(condition) ((void)sizeof(!(condition)))
#define ASSERT_CODE(statement)
#endif
