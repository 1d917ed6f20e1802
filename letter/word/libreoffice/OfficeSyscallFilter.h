#pragma once

#include <QByteArray>

// The system calls an office in its jail may not make: those that would
// let a document's code (a macro, a filter's flaw) reach past the jail or
// the kernel's own surface: debugging other processes, mounting, new
// namespaces, the kernel's key store, performance counters, BPF programs,
// execution domains, loading a kernel, swap, reboot; and the ioctls that
// push characters into a terminal. clone3, whose flags a filter cannot
// read, answers "not implemented", so that the C library falls back to
// clone, whose flags it can.
namespace OfficeSyscallFilter {

// The filter as a BPF program for this machine's architecture, in the
// form bubblewrap's --seccomp reads; empty when it cannot be made (the
// reason goes to the office's logging category).
QByteArray program();

} // namespace OfficeSyscallFilter
