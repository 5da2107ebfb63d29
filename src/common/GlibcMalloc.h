#pragma once

// Whether memory comes from glibc's own allocator, whose tuning calls
// (mallopt, mallinfo2, malloc_trim) are only safe then. A sanitizer brings
// an allocator of its own, and glibc's then has no state to look at.
#if defined(__GLIBC__)
#define VELTRANE_GLIBC_MALLOC 1
#else
#define VELTRANE_GLIBC_MALLOC 0
#endif

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#undef VELTRANE_GLIBC_MALLOC
#define VELTRANE_GLIBC_MALLOC 0
#endif

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#undef VELTRANE_GLIBC_MALLOC
#define VELTRANE_GLIBC_MALLOC 0
#endif
#endif
