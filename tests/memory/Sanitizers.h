#pragma once
// Address-sanitized builds abort on impossible heap requests instead of throwing, so
// tests of the out-of-memory paths skip themselves there.

#if defined(__SANITIZE_ADDRESS__)
#define ORVEX_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVEX_TEST_ASAN 1
#endif
#endif

#ifdef ORVEX_TEST_ASAN
#define SKIP_WHERE_HEAP_FAILURE_ABORTS() GTEST_SKIP() << "the address sanitizer aborts on it"
#else
#define SKIP_WHERE_HEAP_FAILURE_ABORTS() (void)0
#endif
