#include "ChildSetUp.h"

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
// From linux/close_range.h, which not every build machine has.
constexpr unsigned CloseRangeCloexec = 1U << 2;
// Where the kernel has no close_range: descriptors past this are left (the
// program opens far fewer).
constexpr int LastDescriptorToMark = 4096;

// Whether the locale exists on this machine (the C library would refuse
// the whole environment's locale for one that does not).
bool isInstalled(const QByteArray &name)
{
    const locale_t locale = ::newlocale(LC_ALL_MASK, name.constData(), locale_t(nullptr));
    if (locale == locale_t(nullptr))
        return false;
    ::freelocale(locale);
    return true;
}

bool isUtf8(const QByteArray &name)
{
    const locale_t locale = ::newlocale(LC_CTYPE_MASK, name.constData(), locale_t(nullptr));
    if (locale == locale_t(nullptr))
        return false;
    const bool utf8 = std::strcmp(::nl_langinfo_l(CODESET, locale), "UTF-8") == 0;
    ::freelocale(locale);
    return utf8;
}
} // namespace

namespace ChildSetUp {

void closeOtherDescriptorsOnExec() noexcept
{
    // Marked rather than closed: QProcess's own pipe that tells the parent
    // whether the program could be run is close-on-exec already and must
    // stay open until then.
#ifdef SYS_close_range
    if (::syscall(SYS_close_range, 3U, ~0U, CloseRangeCloexec) == 0)
        return;
#endif
    struct rlimit limit
    { };
    int last = LastDescriptorToMark;
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && int(limit.rlim_cur) < last)
        last = int(limit.rlim_cur);
    for (int fd = 3; fd < last; ++fd)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
}

void apply(QProcess &process, int inherited)
{
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent, inherited] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(1);
        ::setpgid(0, 0);
        ::umask(077);
        closeOtherDescriptorsOnExec();
        if (inherited >= 0)
            ::fcntl(inherited, F_SETFD, 0);
    });
}

QProcessEnvironment officeEnvironment(QProcessEnvironment environment)
{
    const QLatin1String Utf8Neutral("C.UTF-8");
    // LC_ALL overrides every category: its value becomes the language of
    // them all, so that the character type alone can be changed.
    const QString all = environment.value(QStringLiteral("LC_ALL"));
    if (!all.isEmpty()) {
        for (const QString &name : environment.keys())
            if (name.startsWith(QLatin1String("LC_")))
                environment.remove(name);
        environment.insert(QStringLiteral("LANG"), all);
    }
    environment.remove(QStringLiteral("LC_ALL"));
    // A locale this machine lacks makes the C library drop them all, the
    // character type included.
    for (const QString &name : environment.keys())
        if (name == QLatin1String("LANG") || name.startsWith(QLatin1String("LC_")))
            if (const QString value = environment.value(name); !value.isEmpty() && !isInstalled(value.toLocal8Bit()))
                environment.insert(name, Utf8Neutral);
    QString ctype = environment.value(QStringLiteral("LC_CTYPE"));
    if (ctype.isEmpty())
        ctype = environment.value(QStringLiteral("LANG"));
    if (ctype.isEmpty() || !isUtf8(ctype.toLocal8Bit()))
        environment.insert(QStringLiteral("LC_CTYPE"), Utf8Neutral);
    return environment;
}

} // namespace ChildSetUp
