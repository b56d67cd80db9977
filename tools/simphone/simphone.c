/* A simulated GPRS phone on the master side of a pseudo-terminal.
 *
 * The slave side is published as a symbolic link (for a Wine prefix:
 * $WINEPREFIX/dosdevices/comN), so a Windows program opens it as a COM port.
 * Every line received (ended by CR or LF) is answered according to the
 * options; lines are also appended to a log file, one per line, so tests can
 * check what was sent. The modem lines (CTS) of a pty are faked by the
 * modemshim LD_PRELOAD library, not here.
 *
 *   simphone --link PATH [options]
 *     --reply TEXT     answer to identification commands (\r \n \\ \xHH escapes)
 *     --id PREFIX      lines starting with PREFIX are identification commands
 *                      (default "ATI"); every other line is a follow-up
 *     --follow TEXT    answer to follow-up commands (default "\r\nOK\r\n")
 *     --lower-ok       follow-ups are answered "\r\nok\r\n"
 *     --one-byte       the identification answer is its first byte only
 *     --delay MS       wait MS milliseconds before each answer
 *     --echo           echo every received byte at once, like ATE1
 *     --silent         never answer
 *     --loopback       a loopback plug: every byte back as received, nothing
 *                      else (--echo --silent)
 *     --numeric        a modem set to ATV0 that knows no identification
 *                      command: "4\r" (ERROR) to it, "0\r" (OK) to the others
 *     --log FILE       append each received line to FILE
 *
 * Ends on SIGTERM or SIGINT and removes its link.
 */
#define _GNU_SOURCE
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

static volatile sig_atomic_t stop;
static void on_signal(int sig) {
    (void)sig;
    stop = 1;
}

static void usage(void) {
    fprintf(stderr,
            "usage: simphone --link PATH [--reply TEXT] [--id PREFIX] [--follow TEXT] [--lower-ok]\n"
            "                [--one-byte] [--delay MS] [--echo] [--silent] [--loopback] [--numeric]\n"
            "                [--log FILE]\n");
    exit(2);
}

/* Decodes \r \n \t \\ and \xHH in place; returns the length. */
static size_t unescape(char* s) {
    char* out = s;
    for (char* p = s; *p; ++p) {
        if (*p != '\\' || !p[1]) {
            *out++ = *p;
            continue;
        }
        ++p;
        switch (*p) {
            case 'r': *out++ = '\r'; break;
            case 'n': *out++ = '\n'; break;
            case 't': *out++ = '\t'; break;
            case 'x': {
                char hex[3] = {0, 0, 0};
                if (p[1]) hex[0] = *++p;
                if (p[1]) hex[1] = *++p;
                *out++ = (char)strtol(hex, NULL, 16);
                break;
            }
            default: *out++ = *p; break;
        }
    }
    *out = 0;
    return (size_t)(out - s);
}

static void write_all(int fd, const char* data, size_t len) {
    while (len > 0) {
        ssize_t n = write(fd, data, len);
        if (n < 0) {
            if (errno == EINTR) continue;
            return;
        }
        data += n;
        len -= (size_t)n;
    }
}

static void sleep_ms(long ms) {
    struct timespec ts = {ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR && !stop) {
    }
}

int main(int argc, char** argv) {
    const char* link_path = NULL;
    const char* log_path = NULL;
    const char* id_prefix = "ATI";
    char* reply = NULL;
    char* follow = NULL;
    int lower_ok = 0, one_byte = 0, echo = 0, silent = 0, numeric = 0;
    long delay = 0;

    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        int has_value = i + 1 < argc;
        if (!strcmp(a, "--link") && has_value)
            link_path = argv[++i];
        else if (!strcmp(a, "--reply") && has_value)
            reply = strdup(argv[++i]);
        else if (!strcmp(a, "--id") && has_value)
            id_prefix = argv[++i];
        else if (!strcmp(a, "--follow") && has_value)
            follow = strdup(argv[++i]);
        else if (!strcmp(a, "--lower-ok"))
            lower_ok = 1;
        else if (!strcmp(a, "--one-byte"))
            one_byte = 1;
        else if (!strcmp(a, "--delay") && has_value)
            delay = atol(argv[++i]);
        else if (!strcmp(a, "--echo"))
            echo = 1;
        else if (!strcmp(a, "--silent"))
            silent = 1;
        else if (!strcmp(a, "--loopback"))
            echo = silent = 1;
        else if (!strcmp(a, "--numeric"))
            numeric = 1;
        else if (!strcmp(a, "--log") && has_value)
            log_path = argv[++i];
        else
            usage();
    }
    if (!link_path) usage();
    if (!reply) reply = strdup(numeric ? "4\\r" : "\\r\\nValmor GPRS Z72\\r\\n\\r\\nOK\\r\\n");
    if (!follow) follow = strdup(numeric ? "0\\r" : lower_ok ? "\\r\\nok\\r\\n" : "\\r\\nOK\\r\\n");
    size_t reply_len = unescape(reply);
    size_t follow_len = unescape(follow);
    if (one_byte && reply_len > 1) reply_len = 1;

    int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        perror("simphone: pty");
        return 1;
    }
    const char* slave_name = ptsname(master);
    /* Holding the slave open keeps the master readable while no client has
     * the port open, and keeps the line settings between clients. */
    int slave = open(slave_name, O_RDWR | O_NOCTTY);
    if (slave < 0) {
        perror("simphone: slave");
        return 1;
    }
    struct termios tio;
    if (tcgetattr(slave, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(slave, TCSANOW, &tio);
    }

    char tmp_link[4096];
    snprintf(tmp_link, sizeof tmp_link, "%s.simphone-%d", link_path, (int)getpid());
    unlink(tmp_link);
    if (symlink(slave_name, tmp_link) != 0 || rename(tmp_link, link_path) != 0) {
        perror("simphone: link");
        unlink(tmp_link);
        return 1;
    }

    struct sigaction sa;
    memset(&sa, 0, sizeof sa);
    sa.sa_handler = on_signal;
    sigaction(SIGTERM, &sa, NULL);
    sigaction(SIGINT, &sa, NULL);
    signal(SIGPIPE, SIG_IGN);

    char line[4096];
    size_t line_len = 0;
    while (!stop) {
        struct pollfd pfd = {master, POLLIN, 0};
        int r = poll(&pfd, 1, 200);
        if (r <= 0) continue;
        char buf[1024];
        ssize_t n = read(master, buf, sizeof buf);
        if (n <= 0) {
            sleep_ms(10);
            continue;
        }
        if (echo) write_all(master, buf, (size_t)n);
        for (ssize_t i = 0; i < n; ++i) {
            char c = buf[i];
            if (c != '\r' && c != '\n') {
                if (line_len < sizeof line - 1) line[line_len++] = c;
                continue;
            }
            if (line_len == 0) continue; /* the LF of CR LF, or an empty line */
            line[line_len] = 0;
            if (log_path) {
                FILE* f = fopen(log_path, "a");
                if (f) {
                    fprintf(f, "%s\n", line);
                    fclose(f);
                }
            }
            int is_id = strncmp(line, id_prefix, strlen(id_prefix)) == 0;
            line_len = 0;
            if (silent) continue;
            if (delay > 0) sleep_ms(delay);
            if (is_id)
                write_all(master, reply, reply_len);
            else
                write_all(master, follow, follow_len);
        }
    }

    /* Remove the link only while it still points at this pty. */
    char target[4096];
    ssize_t t = readlink(link_path, target, sizeof target - 1);
    if (t > 0) {
        target[t] = 0;
        if (!strcmp(target, slave_name)) unlink(link_path);
    }
    close(slave);
    close(master);
    return 0;
}
