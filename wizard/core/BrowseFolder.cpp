#include "core/BrowseFolder.h"

#include "core/RunState.h"
#include "localisation/ResHandling.h"
#include "platform/IniHand.h"
#include "platform/sys/Ui.h"
#include "platform/ui/Text.h"

namespace BrowseFolder {

void AnswerDirectoryRequest(sys::Handle owner, const std::wstring& section) {
    // The system's dialog draws the prompt and breaks its lines itself.
    std::wstring title = ui::text::WithoutWordMarks(ResHandling::GetLanguageString(103));
    std::wstring path;
    // The companion waits for a folder: a cancelled dialog is asked again.
    // A dialog that could not come up at all would fail again at once: the
    // request stays open and the next tick of the watch asks anew.
    for (;;) {
        sys::FolderAnswer answer = sys::BrowseForFolder(owner, title, &path);
        if (answer == sys::FolderAnswer::Chosen) break;
        if (answer == sys::FolderAnswer::NotShown) {
            IniHand::WriteLog(L"folder dialog could not be shown");
            Rs.DirectoryRequestBusy = false;
            return;
        }
    }
    IniHand::WriteIni(L"CM_32", L"Path", path, Rs.TriggerFile);
    IniHand::WriteIni(L"CM_32", L"GetDirectory", L"0", Rs.TriggerFile);
    if (section != L"CM_32") {
        IniHand::WriteIni(section, L"Path", path, Rs.TriggerFile);
        IniHand::WriteIni(section, L"GetDirectory", L"0", Rs.TriggerFile);
    }
    Rs.DirectoryRequestBusy = false;
}

}  // namespace BrowseFolder
