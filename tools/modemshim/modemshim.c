/* LD_PRELOAD shim that makes pseudo-terminals behave like serial ports.
 *
 * Modem lines: a pty has none, so TIOCMGET fails on it and Wine's
 * GetCommModemStatus with it. This library answers TIOCMGET itself for every
 * descriptor where the real call fails: CTS and DSR on, or CTS off for the
 * devices named in MODEMSHIM_CTS_OFF (paths separated by ':', symbolic links
 * allowed; compared by device number). The line-setting requests TIOCMSET,
 * TIOCMBIS and TIOCMBIC succeed as no-ops where the real call fails. Preload
 * it into the Wine programs, which make these calls.
 *
 * Exclusive use: Windows lets one program at a time open a COM port; Wine
 * does not enforce that for devices. With MODEMSHIM_EXCLUSIVE=1 every terminal
 * this process opens is locked (flock) for as long as it stays open, and an
 * open of a terminal locked elsewhere fails with EBUSY. Preload it so into the
 * wineserver, which opens the files of all Wine programs.
 *
 * Build it for the architecture of the programs it goes into (here the 64-bit
 * Wine) and without sanitizers.
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdlib.h>
#include <string.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

typedef int (*ioctl_fn)(int, unsigned long, ...);

static int cts_off(int fd) {
    const char* list = getenv("MODEMSHIM_CTS_OFF");
    struct stat own;
    if (!list || !*list || fstat(fd, &own) != 0 || !S_ISCHR(own.st_mode)) return 0;
    char path[4096];
    while (*list) {
        const char* end = strchr(list, ':');
        size_t len = end ? (size_t)(end - list) : strlen(list);
        if (len > 0 && len < sizeof path) {
            memcpy(path, list, len);
            path[len] = 0;
            struct stat st;
            if (stat(path, &st) == 0 && S_ISCHR(st.st_mode) && st.st_rdev == own.st_rdev) return 1;
        }
        if (!end) break;
        list = end + 1;
    }
    return 0;
}

static int shim(ioctl_fn real, int fd, unsigned long request, void* arg) {
    int saved = errno;
    int r = real(fd, request, arg);
    if (request == TIOCMGET && arg) {
        if (cts_off(fd)) {
            if (r != 0)
                *(int*)arg = TIOCM_DSR;
            else
                *(int*)arg &= ~TIOCM_CTS;
            errno = saved;
            return 0;
        }
        if (r != 0) {
            *(int*)arg = TIOCM_CTS | TIOCM_DSR;
            errno = saved;
            return 0;
        }
    } else if (r != 0 && (request == TIOCMSET || request == TIOCMBIS || request == TIOCMBIC)) {
        errno = saved;
        return 0;
    }
    return r;
}

int ioctl(int fd, unsigned long request, ...) {
    static ioctl_fn real;
    if (!real) real = (ioctl_fn)dlsym(RTLD_NEXT, "ioctl");
    va_list ap;
    va_start(ap, request);
    void* arg = va_arg(ap, void*);
    va_end(ap);
    return shim(real, fd, request, arg);
}

/* 32-bit glibc with 64-bit time routes ioctl here. */
int __ioctl_time64(int fd, unsigned long request, ...) {
    static ioctl_fn real;
    if (!real) real = (ioctl_fn)dlsym(RTLD_NEXT, "__ioctl_time64");
    if (!real) real = (ioctl_fn)dlsym(RTLD_NEXT, "ioctl");
    va_list ap;
    va_start(ap, request);
    void* arg = va_arg(ap, void*);
    va_end(ap);
    return shim(real, fd, request, arg);
}

/* Exclusive opening of terminals. */

typedef int (*open_fn)(const char*, int, ...);
typedef int (*openat_fn)(int, const char*, int, ...);

static int exclusive(int fd) {
    static int enabled = -1;
    if (enabled < 0) {
        const char* e = getenv("MODEMSHIM_EXCLUSIVE");
        enabled = e && *e == '1';
    }
    if (fd < 0 || !enabled) return fd;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode) || !isatty(fd)) return fd;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        errno = EBUSY;
        return -1;
    }
    return fd;
}

static mode_t mode_of(int flags, va_list ap) {
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? (mode_t)va_arg(ap, int) : 0;
}

#define SHIM_OPEN(name)                                     \
    int name(const char* path, int flags, ...) {            \
        static open_fn real;                                \
        if (!real) real = (open_fn)dlsym(RTLD_NEXT, #name); \
        va_list ap;                                         \
        va_start(ap, flags);                                \
        mode_t mode = mode_of(flags, ap);                   \
        va_end(ap);                                         \
        return exclusive(real(path, flags, mode));          \
    }
#define SHIM_OPENAT(name)                                     \
    int name(int dir, const char* path, int flags, ...) {     \
        static openat_fn real;                                \
        if (!real) real = (openat_fn)dlsym(RTLD_NEXT, #name); \
        va_list ap;                                           \
        va_start(ap, flags);                                  \
        mode_t mode = mode_of(flags, ap);                     \
        va_end(ap);                                           \
        return exclusive(real(dir, path, flags, mode));       \
    }
#define SHIM_OPEN_2(name)                                                     \
    int name(const char* path, int flags) {                                   \
        static int (*real)(const char*, int);                                 \
        if (!real) real = (int (*)(const char*, int))dlsym(RTLD_NEXT, #name); \
        return exclusive(real(path, flags));                                  \
    }

SHIM_OPEN(open)
SHIM_OPEN(open64)
SHIM_OPENAT(openat)
SHIM_OPENAT(openat64)
SHIM_OPEN_2(__open_2)
SHIM_OPEN_2(__open64_2)
