/* The few C library functions that wizard.exe uses, over kernel32 alone.
   msvcrt.dll came to Windows 95 only with Internet Explorer 4; without these
   the loader would refuse the program on a Windows 95 without it, before the
   wizard could say that it needs a newer Internet Explorer (message 108).
   C, and built with -fno-tree-loop-distribute-patterns and -fno-builtin, so
   that the compiler cannot turn these loops back into calls of themselves. */
#include <limits.h>
#include <stddef.h>
#include <wchar.h>
#include <windows.h>

void* malloc(size_t size) { return HeapAlloc(GetProcessHeap(), 0, size ? size : 1); }

void* calloc(size_t count, size_t size) {
    size_t bytes = count * size;
    if (size && count > (size_t)-1 / size) return NULL;
    return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes ? bytes : 1);
}

void free(void* p) {
    if (p) HeapFree(GetProcessHeap(), 0, p);
}

void* realloc(void* p, size_t size) {
    if (!p) return malloc(size);
    return HeapReAlloc(GetProcessHeap(), 0, p, size ? size : 1);
}

void abort(void) { ExitProcess(3); }

void* memcpy(void* restrict to, const void* restrict from, size_t n) {
    unsigned char* d = to;
    const unsigned char* s = from;
    while (n--) *d++ = *s++;
    return to;
}

void* memmove(void* to, const void* from, size_t n) {
    unsigned char* d = to;
    const unsigned char* s = from;
    if (d < s) {
        while (n--) *d++ = *s++;
    } else {
        while (n--) d[n] = s[n];
    }
    return to;
}

void* memset(void* to, int value, size_t n) {
    unsigned char* d = to;
    while (n--) *d++ = (unsigned char)value;
    return to;
}

int memcmp(const void* a, const void* b, size_t n) {
    const unsigned char *x = a, *y = b;
    for (; n; --n, ++x, ++y)
        if (*x != *y) return *x < *y ? -1 : 1;
    return 0;
}

void* memchr(const void* buffer, int value, size_t n) {
    const unsigned char* p = buffer;
    for (; n; --n, ++p)
        if (*p == (unsigned char)value) return (void*)p;
    return NULL;
}

size_t strlen(const char* s) {
    size_t n = 0;
    while (s[n]) ++n;
    return n;
}

size_t wcslen(const wchar_t* s) {
    size_t n = 0;
    while (s[n]) ++n;
    return n;
}

wchar_t* wcschr(const wchar_t* s, wchar_t c) {
    for (;; ++s) {
        if (*s == c) return (wchar_t*)s;
        if (!*s) return NULL;
    }
}

/* As in the "C" locale: only the ASCII letters have a case. */
wint_t towupper(wint_t c) { return c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c; }

unsigned long wcstoul(const wchar_t* restrict text, wchar_t** restrict end, int base) {
    const wchar_t* p = text;
    unsigned long value = 0;
    int negative = 0, any = 0, overflow = 0;
    while (*p == L' ' || (*p >= L'\t' && *p <= L'\r')) ++p;
    if (*p == L'+' || *p == L'-') negative = *p++ == L'-';
    if ((base == 0 || base == 16) && p[0] == L'0' && (p[1] == L'x' || p[1] == L'X')) {
        const wchar_t c = p[2];
        if ((c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F')) {
            p += 2;
            base = 16;
        }
    }
    if (base == 0) base = *p == L'0' ? 8 : 10;
    if (base >= 2 && base <= 36) {
        for (;; ++p) {
            int digit;
            if (*p >= L'0' && *p <= L'9')
                digit = *p - L'0';
            else if (*p >= L'a' && *p <= L'z')
                digit = *p - L'a' + 10;
            else if (*p >= L'A' && *p <= L'Z')
                digit = *p - L'A' + 10;
            else
                break;
            if (digit >= base) break;
            any = 1;
            if (value > (ULONG_MAX - (unsigned long)digit) / (unsigned long)base) overflow = 1;
            value = value * (unsigned long)base + (unsigned long)digit;
        }
    }
    if (end) *end = (wchar_t*)(any ? p : text);
    if (!any) return 0;
    if (overflow) return ULONG_MAX;
    return negative ? (unsigned long)(0 - value) : value;
}
