#include "inspection/CheckServicePack2k.h"

#include "core/RunState.h"
#include "dialogs/frmMessage.h"

namespace CheckServicePack2k {

void CheckServicePack2k() {
    if (Rs.OsName == L"Win2K" && Rs.OsServicePack.find(L"Service Pack") == std::wstring::npos)
        frmMessage::ShowMessage(114);
}

}  // namespace CheckServicePack2k
