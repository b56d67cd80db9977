// Starting other programs: waiting for them or not.
#pragma once

#include <string>

namespace runApp {

// Starts the command line and blocks until that process has ended. A command
// that cannot be started returns at once. Once the main window is loaded it
// is repainted, shows the hourglass and leaves the topmost band (with the
// cancel query) while the program runs, and what the user typed or clicked on
// it meanwhile is dropped.
void RunAndWait(const std::wstring& commandLine);

// True while RunAndWait waits. The window procedures still answer what other
// programs send (a broadcast, the end of the session) in the meantime.
bool Waiting();

// Whether a window asked to close (mode of Form_QueryUnload) declines: any
// close but the program's own while RunAndWait waits, be it the end of the
// session, a WM_CLOSE from another program or the close box. An end of our
// own would run inside the step that waits (EndWizard's dialer setup, the
// hotfix of page 2, AbortWizard's profile uninstall); the step goes on.
bool KeepOpen(int mode);

// Whether the wizard's windows are in the topmost band: not while a program
// is waited for or a companion runs (StartCompanion to CompanionReported).
bool InTopMostBand();

// Starts the command line with its window minimised and given the focus and
// returns at once.
void StartProgram(const std::wstring& commandLine);

// A companion program that a timer watches through the exchange file: the
// main window (and the cancel query over it) leaves the topmost band before
// it starts, so that a dialog that it (or Windows for it) raises is not
// hidden under the full-screen wizard...
void StartCompanion(const std::wstring& commandLine);
// ...and takes it again once the companion has reported its end (the
// process handle kept since its start is closed).
void CompanionReported();
// Asked at each tick of the watch with what the companion's section holds:
// true once the companion could not be started or has ended, and the section
// has brought nothing new for the grace that its last report may take. A
// companion that still runs is waited for however long it takes.
bool CompanionEndedUnreported(const std::wstring& seen);

// The program part of a command line built from a directory: quoted when it
// holds a blank, so that the system cannot take a shorter prefix of the path
// ("C:\Documents" for "C:\Documents and Settings\...") for the program.
std::wstring ProgramPath(const std::wstring& path);

// A path as one argument of a companion's command line: existing + tail as
// it is where it holds no blank; else the short form of existing (a file or
// directory that is there) followed by tail; else, where the system has no
// short name without a blank, quoted, with a backslash before the closing
// quote doubled (the C run-time reads a backslash and a quote as a quote).
std::wstring Argument(const std::wstring& existing, const std::wstring& tail = L"");

}  // namespace runApp
