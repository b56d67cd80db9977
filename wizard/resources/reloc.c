/* One address for the loader to fix, so that a language library has a
 * non-empty relocation directory: Windows 95 loads a DLL whose preferred base
 * is taken only by moving it with its relocation records, and a library of
 * resources alone would have none. */
__attribute__((used)) static const void* const kSelf = &kSelf;
