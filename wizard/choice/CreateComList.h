// Page 5: the list of the system's ports COM1 to COM9, built at run time on
// the main window's page area. Picking an entry shows Forward (frmMain).
#pragma once

namespace CreateComList {

// Heading and the empty list box "lstCom".
void BuildComList();

// One entry "COMn" per present port, n = 1 to 9 ascending; sets
// ComPortsFound when at least one entry went in.
void FillComList();

// Removes the heading and the list; missing ones are passed over.
void RemoveComList();

}  // namespace CreateComList
