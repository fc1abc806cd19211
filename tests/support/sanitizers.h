// Whether this build runs under AddressSanitizer or ThreadSanitizer, for the
// few tests whose subject the sanitizers' own machinery distorts: the
// process's resident memory and mappings (shadow memory), its descriptors
// (the sanitizers open files of their own) and wall-clock latency (a Debug
// build with every access checked).
#pragma once

namespace test_support {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
inline constexpr bool kUnderSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
inline constexpr bool kUnderSanitizer = true;
#else
inline constexpr bool kUnderSanitizer = false;
#endif
#else
inline constexpr bool kUnderSanitizer = false;
#endif

}  // namespace test_support

// Ends the test as skipped, saying why, in a sanitizer build.
#define SKIP_UNDER_SANITIZER(why) \
  if (test_support::kUnderSanitizer) GTEST_SKIP() << "under a sanitizer: " << (why)
