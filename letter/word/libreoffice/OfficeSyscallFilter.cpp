#include "OfficeSyscallFilter.h"

#include <cerrno>
#include <memory>
#include <sched.h>
#include <seccomp.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <type_traits>
#include <unistd.h>

#include "Logging.h"

namespace {
// personality(2) may only keep the default execution domain: another would
// turn off address randomisation for whatever the office starts.
constexpr scmp_datum_t PersonalityDefault = 0;
// ioctl(2) requests are 32 bits: a value with more set above them must not
// slip past the comparison.
constexpr scmp_datum_t IoctlRequestMask = 0xffffffffU;

struct Release
{
    void operator()(scmp_filter_ctx filter) const { seccomp_release(filter); }
};
using Filter = std::unique_ptr<std::remove_pointer_t<scmp_filter_ctx>, Release>;

bool refuse(const Filter &filter, const char *name, int error = EPERM)
{
    const int call = seccomp_syscall_resolve_name(name);
    // A call this architecture does not have needs no rule.
    return call == __NR_SCMP_ERROR || seccomp_rule_add(filter.get(), SCMP_ACT_ERRNO(error), call, 0) == 0;
}

bool addRules(const Filter &filter)
{
    bool ok = true;
    for (const char *name : {"ptrace",       "process_vm_readv", "process_vm_writev",
                             "mount",        "umount",           "umount2",
                             "pivot_root",   "chroot",           "unshare",
                             "setns",        "keyctl",           "add_key",
                             "request_key",  "perf_event_open",  "bpf",
                             "kexec_load",   "kexec_file_load",  "swapon",
                             "swapoff",      "reboot",           "init_module",
                             "finit_module", "delete_module",    "open_tree",
                             "move_mount",   "fsopen",           "fsconfig",
                             "fsmount",      "fspick",           "userfaultfd",
                             "acct",         "quotactl"})
        ok = refuse(filter, name) && ok;
    ok = refuse(filter, "clone3", ENOSYS) && ok;
    // clone(2) with any namespace flag (its flags are the first argument on
    // the architectures the program is built for).
    for (const scmp_datum_t flag :
         {CLONE_NEWUSER, CLONE_NEWNS, CLONE_NEWPID, CLONE_NEWNET, CLONE_NEWIPC, CLONE_NEWUTS, CLONE_NEWCGROUP})
        ok = seccomp_rule_add(filter.get(), SCMP_ACT_ERRNO(EPERM), SCMP_SYS(clone), 1,
                              SCMP_A0(SCMP_CMP_MASKED_EQ, flag, flag))
                        == 0
                && ok;
    for (const scmp_datum_t request : {scmp_datum_t(TIOCSTI), scmp_datum_t(TIOCLINUX)})
        ok = seccomp_rule_add(filter.get(), SCMP_ACT_ERRNO(EPERM), SCMP_SYS(ioctl), 1,
                              SCMP_A1(SCMP_CMP_MASKED_EQ, IoctlRequestMask, request))
                        == 0
                && ok;
    ok = seccomp_rule_add(filter.get(), SCMP_ACT_ERRNO(EINVAL), SCMP_SYS(personality), 1,
                          SCMP_A0(SCMP_CMP_NE, PersonalityDefault))
                    == 0
            && ok;
    return ok;
}
} // namespace

namespace OfficeSyscallFilter {

QByteArray program()
{
    static const QByteArray made = [] {
        const Filter filter(seccomp_init(SCMP_ACT_ALLOW));
        if (!filter || !addRules(filter)) {
            qCWarning(lcOffice) << "the office's system-call filter could not be made";
            return QByteArray();
        }
        // libseccomp writes the program to a descriptor: a file in memory.
        const int memory = ::memfd_create("tessaline-seccomp", MFD_CLOEXEC);
        if (memory < 0 || seccomp_export_bpf(filter.get(), memory) != 0) {
            qCWarning(lcOffice) << "the office's system-call filter could not be written";
            if (memory >= 0)
                ::close(memory);
            return QByteArray();
        }
        QByteArray bytes;
        char buffer[4096];
        ssize_t got = 0;
        while ((got = ::pread(memory, buffer, sizeof buffer, off_t(bytes.size()))) > 0)
            bytes.append(buffer, got);
        ::close(memory);
        return bytes;
    }();
    return made;
}

} // namespace OfficeSyscallFilter
