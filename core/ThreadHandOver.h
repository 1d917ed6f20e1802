#pragma once

// Hand-overs between threads through Qt's own locks (a task given to a
// thread pool, a queued call, a future waited for) are invisible to
// ThreadSanitizer, since Qt is not built with it; it would take what one
// thread wrote before handing work over for a race with what the other
// reads after. In a -DTESSALINE_SANITIZE=thread build these say what
// happens before what: everything a thread did before handOver(key)
// happens before what another does after tookOver(key). Elsewhere they are
// nothing.

#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void *address);
extern "C" void __tsan_release(void *address);
inline void handOver(const void *key)
{
    __tsan_release(const_cast<void *>(key));
}
inline void tookOver(const void *key)
{
    __tsan_acquire(const_cast<void *>(key));
}
#else
inline void handOver(const void *) { }
inline void tookOver(const void *) { }
#endif
