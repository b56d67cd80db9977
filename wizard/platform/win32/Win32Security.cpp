// The security calls are looked up at run time: Windows 95 lacks some of
// them. advapi32 is one of the program's imports, loaded from the system
// directory before any of our code runs: GetModuleHandleA loads nothing.
#include "platform/sys/Errors.h"
#include "platform/sys/Security.h"
#include "platform/win32/Scoped.h"
#include "platform/win32/Win32.h"

namespace sys {

static_assert(kErrorCallNotImplemented == ERROR_CALL_NOT_IMPLEMENTED);

namespace {

struct Api {
    BOOL(WINAPI* getFileSecurity)(LPCSTR, SECURITY_INFORMATION, PSECURITY_DESCRIPTOR, DWORD, LPDWORD) = nullptr;
    BOOL(WINAPI* setFileSecurity)(LPCSTR, SECURITY_INFORMATION, PSECURITY_DESCRIPTOR) = nullptr;
    BOOL(WINAPI* getOwner)(PSECURITY_DESCRIPTOR, PSID*, LPBOOL) = nullptr;
    BOOL(WINAPI* allocateSid)
    (PSID_IDENTIFIER_AUTHORITY, BYTE, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, PSID*) = nullptr;
    PVOID(WINAPI* freeSid)(PSID) = nullptr;
    BOOL(WINAPI* equalSid)(PSID, PSID) = nullptr;
    DWORD(WINAPI* lengthSid)(PSID) = nullptr;
    BOOL(WINAPI* tokenInformation)(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID, DWORD, PDWORD) = nullptr;
    BOOL(WINAPI* initSd)(PSECURITY_DESCRIPTOR, DWORD) = nullptr;
    BOOL(WINAPI* setDacl)(PSECURITY_DESCRIPTOR, BOOL, PACL, BOOL) = nullptr;
    BOOL(WINAPI* initAcl)(PACL, DWORD, DWORD) = nullptr;
    BOOL(WINAPI* addAllowed)(PACL, DWORD, DWORD, PSID) = nullptr;
    BOOL(WINAPI* getAce)(PACL, DWORD, LPVOID*) = nullptr;
    // Windows 2000 and later: keeps the parent's entries from being added.
    BOOL(WINAPI* setControl)(PSECURITY_DESCRIPTOR, SECURITY_DESCRIPTOR_CONTROL, SECURITY_DESCRIPTOR_CONTROL) = nullptr;
    bool complete = false;
};

template <class F>
bool Find(HMODULE module, const char* name, F* f) {
    *f = module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
    return *f != nullptr;
}

const Api& A() {
    static Api api;
    static bool looked = false;
    if (!looked) {
        looked = true;
        HMODULE m = GetModuleHandleA("advapi32.dll");
        api.complete = Find(m, "GetFileSecurityA", &api.getFileSecurity) &&
                       Find(m, "SetFileSecurityA", &api.setFileSecurity) &&
                       Find(m, "GetSecurityDescriptorOwner", &api.getOwner) &&
                       Find(m, "AllocateAndInitializeSid", &api.allocateSid) && Find(m, "FreeSid", &api.freeSid) &&
                       Find(m, "EqualSid", &api.equalSid) && Find(m, "GetLengthSid", &api.lengthSid) &&
                       Find(m, "GetTokenInformation", &api.tokenInformation) &&
                       Find(m, "InitializeSecurityDescriptor", &api.initSd) &&
                       Find(m, "SetSecurityDescriptorDacl", &api.setDacl) && Find(m, "InitializeAcl", &api.initAcl) &&
                       Find(m, "AddAccessAllowedAce", &api.addAllowed) && Find(m, "GetAce", &api.getAce);
        Find(m, "SetSecurityDescriptorControl", &api.setControl);
    }
    return api;
}

// A well-known SID of the NT authority: SYSTEM (18) or a built-in group (32, rid).
struct WellKnownSid {
    PSID sid = nullptr;
    WellKnownSid(DWORD first, DWORD second) {
        SID_IDENTIFIER_AUTHORITY nt = {SECURITY_NT_AUTHORITY};
        if (!A().allocateSid(&nt, second ? 2 : 1, first, second, 0, 0, 0, 0, 0, 0, &sid)) sid = nullptr;
    }
    ~WellKnownSid() {
        if (sid) A().freeSid(sid);
    }
    WellKnownSid(const WellKnownSid&) = delete;
    WellKnownSid& operator=(const WellKnownSid&) = delete;
};

}  // namespace

bool VolumeKeepsAcls(const std::wstring& root) {
    DWORD flags = 0;
    if (!GetVolumeInformationA(ToAnsi(root).c_str(), nullptr, 0, nullptr, nullptr, &flags, nullptr, 0)) return false;
    return (flags & FS_PERSISTENT_ACLS) != 0;
}

Owner FileOwner(const std::wstring& path) {
    if (!A().complete) return Owner::Unknown;
    std::string name = ToAnsi(path);
    DWORD needed = 0;
    A().getFileSecurity(name.c_str(), OWNER_SECURITY_INFORMATION, nullptr, 0, &needed);
    if (needed == 0) return Owner::Unknown;
    std::string sd(needed, '\0');
    PSID owner = nullptr;
    BOOL defaulted = FALSE;
    if (!A().getFileSecurity(name.c_str(), OWNER_SECURITY_INFORMATION, &sd[0], needed, &needed) ||
        !A().getOwner(&sd[0], &owner, &defaulted) || !owner)
        return Owner::Unknown;
    WellKnownSid admins(SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS), system(SECURITY_LOCAL_SYSTEM_RID, 0);
    if ((admins.sid && A().equalSid(owner, admins.sid)) || (system.sid && A().equalSid(owner, system.sid)))
        return Owner::Ours;
    win32::AutoCloseHandle token;
    DWORD size = 0;
    char user[256];
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Out()) &&
        A().tokenInformation(token.Get(), TokenUser, user, sizeof user, &size) &&
        A().equalSid(owner, reinterpret_cast<TOKEN_USER*>(user)->User.Sid))
        return Owner::Ours;
    return Owner::Other;
}

bool RestrictToAdministrators(const std::wstring& path, bool directory, uint32_t* error) {
    *error = static_cast<uint32_t>(kErrorCallNotImplemented);
    if (!A().complete) return false;
    WellKnownSid admins(SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS), system(SECURITY_LOCAL_SYSTEM_RID, 0),
        users(SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_USERS);
    if (!admins.sid || !system.sid || !users.sid) {
        *error = GetLastError();
        return false;
    }
    const struct {
        PSID sid;
        DWORD access;
    } entries[] = {{admins.sid, FILE_ALL_ACCESS},
                   {system.sid, FILE_ALL_ACCESS},
                   {users.sid, FILE_GENERIC_READ | FILE_GENERIC_EXECUTE}};
    DWORD size = sizeof(ACL);
    for (const auto& e : entries) size += sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD) + A().lengthSid(e.sid);
    std::string acl(size, '\0');
    PACL list = reinterpret_cast<PACL>(&acl[0]);
    SECURITY_DESCRIPTOR sd;
    bool ok = A().initAcl(list, size, ACL_REVISION) && A().initSd(&sd, SECURITY_DESCRIPTOR_REVISION);
    for (DWORD i = 0; ok && i < 3; ++i) {
        ok = A().addAllowed(list, ACL_REVISION, entries[i].access, entries[i].sid);
        // NT 4 has no AddAccessAllowedAceEx: the flags go into the entry made.
        void* ace = nullptr;
        if (ok && directory && A().getAce(list, i, &ace))
            static_cast<ACE_HEADER*>(ace)->AceFlags = OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE;
    }
    ok = ok && A().setDacl(&sd, TRUE, list, FALSE);
    if (ok && A().setControl) A().setControl(&sd, SE_DACL_PROTECTED, SE_DACL_PROTECTED);
    ok = ok && A().setFileSecurity(ToAnsi(path).c_str(), DACL_SECURITY_INFORMATION, &sd);
    *error = ok ? kErrorSuccess : GetLastError();
    return ok;
}

}  // namespace sys
