// Test helper: takes write access to the server parameters key away from
// everyone ("lock"), or gives it back ("unlock"), through the key's DACL.
#include <stdio.h>
#include <windows.h>

namespace {

const char* const Path = "SYSTEM\\CurrentControlSet\\Services\\LanmanServer\\Parameters";

// A DACL with one ACE that allows Everyone `access` to the key.
LONG SetEveryoneAccess(HKEY key, DWORD access) {
    SID_IDENTIFIER_AUTHORITY world = {SECURITY_WORLD_SID_AUTHORITY};
    PSID everyone = nullptr;
    if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone))
        return static_cast<LONG>(GetLastError());
    BYTE aclBuffer[256];
    ACL* acl = reinterpret_cast<ACL*>(aclBuffer);
    SECURITY_DESCRIPTOR descriptor;
    LONG status = ERROR_SUCCESS;
    if (!InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION) ||
        !AddAccessAllowedAce(acl, ACL_REVISION, access, everyone) ||
        !InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE))
        status = static_cast<LONG>(GetLastError());
    else
        status = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor);
    FreeSid(everyone);
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2 || (strcmp(argv[1], "lock") != 0 && strcmp(argv[1], "unlock") != 0)) {
        fprintf(stderr, "usage: key_acl lock|unlock\n");
        return 2;
    }
    HKEY key;
    LONG status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, Path, 0, WRITE_DAC | KEY_WOW64_64KEY, &key);
    if (status == ERROR_SUCCESS) {
        status = SetEveryoneAccess(key, strcmp(argv[1], "lock") == 0 ? KEY_READ : KEY_ALL_ACCESS);
        RegCloseKey(key);
    }
    printf("%s: %ld\n", argv[1], status);
    return status == ERROR_SUCCESS ? 0 : 1;
}
