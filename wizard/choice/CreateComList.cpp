#include "choice/CreateComList.h"

#include <string>

#include "choice/ChoiceParts.h"
#include "core/RunState.h"
#include "inspection/ComPorts.h"

namespace CreateComList {

void BuildComList() {
    ui::Control* heading = ChoiceParts::Heading(2030);
    ui::Control* list = ChoiceParts::Create(ui::Kind::ListBox, L"lstCom");
    if (!list) return;
    if (heading) {
        list->SetLeft(heading->Left());
        list->SetTop(heading->Top() + heading->Height() + 30);
    }
    list->SetWidth(ChoiceParts::PageLabel().Width());
    list->SetHeight(100);
    if (heading) list->SetNamedBy(heading);  // as a screen reader names it
    list->SetVisible(true);
}

void FillComList() {
    Rs.ComPortsFound = false;
    ui::Control* list = ChoiceParts::Find(L"lstCom");
    // COM1 to COM256: USB-serial cables get numbers from 10 up. The list box
    // scrolls where they do not fit.
    for (int16_t port : ComPorts::PresentPorts()) {
        if (!list) return;  // nowhere to put the entry: the fill ends here
        list->AddItem(L"COM" + std::to_wstring(port));
        Rs.ComPortsFound = true;
    }
}

void RemoveComList() { ChoiceParts::Remove({L"lblNext", L"lstCom"}); }

}  // namespace CreateComList
