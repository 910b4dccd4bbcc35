// Control of the headless host, for the host program and the tests: the command-line
// transcript, the input queue, running commands by name, seeding the registry and the
// per-user folder, and the loaded modules. System code never includes this header.
#ifndef PLATFORM_HEADLESS_HOST_H
#define PLATFORM_HEADLESS_HOST_H

#include <functional>
#include <string>
#include <vector>

#include "win/winuser.h"

namespace headless {

// --- Command-line transcript --------------------------------------------------------------
/// Everything printed on the command line since the last ClearTranscript.
std::wstring Transcript();
void ClearTranscript();
/// Called with each piece of text as it is printed (the host program echoes it); null to stop.
void SetTranscriptEcho(std::function<void(const std::wstring&)> echo);

// --- Input queue ---------------------------------------------------------------------------
// Every interactive request takes its answer from this queue, one line at a time, as a CAD
// script would give it. An empty queue answers "cancel".
void PushInput(const std::wstring& line);
void PushInputs(const std::vector<std::wstring>& lines);
/// Where lines come from once the queue is empty (the script file or the terminal); it
/// gives false when it has no more. Without a source an empty queue stays empty.
void SetInputSource(std::function<bool(std::wstring&)> source);
/// Takes the next line, from the queue or else from the source; false when neither has one.
bool PopInput(std::wstring& line);
/// The next line without taking it; false when the queue is empty.
bool PeekInput(std::wstring& line);
void ClearInput();
std::size_t PendingInput();
/// Makes the `nth` next read of a drag loop (zcedGrRead; 1: the very next) fail as a host
/// input error would (RTERROR), taking no line.
void FailDragRead(int nth);

// --- Commands ------------------------------------------------------------------------------
struct CommandInfo {
  std::wstring group, globalName, localName;
  int flags;
};
/// The registered commands, group by group in registration order.
std::vector<CommandInfo> Commands();
enum class CommandResult { Ran, Unknown, Threw };
/// Runs the command registered under `name` (global or local, any case). An exception that
/// escapes the command is caught and reported on the command line.
CommandResult RunCommand(const std::wstring& name);
/// The names of the commands now running, outer first.
std::vector<std::wstring> ActiveCommands();

// --- Registry and folders ------------------------------------------------------------------
/// Sets a string value under HKEY_LOCAL_MACHINE\`keyPath`; `terminated` false stores it
/// without its terminating zero, as some installers write values.
void SetMachineRegistryValue(const std::wstring& keyPath, const std::wstring& name,
                             const std::wstring& value, bool terminated = true);
void ClearRegistry();
/// The folder that "%APPDATA%" expands to.
void SetAppDataFolder(const std::wstring& folder);

// --- Files ---------------------------------------------------------------------------------
/// Marks a file as held open by another program that shares nothing: every open of it fails
/// with a sharing violation, and it cannot be removed or replaced, until it is released.
void HoldFile(const std::wstring& path, bool held = true);
enum class FileFault { Write, Close, Replace, List, Sync, Open, Read };
/// Makes the `nth` next file operation of that kind fail (1: the very next), as a full disk
/// or a lost network share would: a write, sync (to the disk) or close reports failure, a
/// replace leaves both files as they were, an open is refused as for a file without
/// permission, a read fails as on a bad disk, and a folder listing (CFileFind) is refused as
/// for a folder without read permission.
void FailFileOperation(FileFault kind, int nth);
/// Writes `bytes` to `path` whole or not at all: into a fresh file beside it, every write
/// checked, synced to the disk, then renamed over `path`. On failure `path` is left as it
/// was, the fresh file is removed, and `reason` says what failed.
bool WriteWholeFile(const std::wstring& path, const std::string& bytes, std::wstring& reason);
/// Drops pending faults and releases held files.
void ClearFileFaults();

// --- Modules -------------------------------------------------------------------------------
/// The module (shared object or program) that holds `address`.
HINSTANCE InstanceContaining(const void* address);
/// Renames a module as zcedGetAppName and GetModuleFileNameW report it (the file stays).
void SetModuleFileName(HINSTANCE module, const std::wstring& path);
/// File paths of the loaded modules, in the order their start-up finished.
std::vector<std::wstring> LoadedModules();
/// Unloads every module, the last started first, locked or not.
void UnloadAllModules();
/// What the linker has been asked: one line per call ("load <name> print=1 cmd=1", "unlock
/// <name>", "mdiaware <name>"), for tests.
std::vector<std::wstring> LinkerLog();
void ClearLinkerLog();

// --- Message boxes -------------------------------------------------------------------------
struct MessageBoxRecord {
  std::wstring text, caption;
  unsigned type;
  int answer;
};
std::vector<MessageBoxRecord> MessageBoxes();
void ClearMessageBoxes();

// --- Message filters -----------------------------------------------------------------------
/// Passes a window message through the installed filters; true when one consumed it.
bool FilterMessage(MSG& msg);
std::size_t FilterCount();
/// The window standing for the drawing view: key presses go to it.
HWND DrawingView();
/// A key press on the drawing view, as the host's message loop delivers it: WM_KEYDOWN,
/// then WM_KEYUP, each through the installed filters and, when none takes it, to the view
/// (which does nothing with it). True when a filter took the key-down.
bool PressKey(UINT virtualKey);
/// A script line "@key Left|Up|Right|Down" (any case) presses that key and gives true; a
/// key of another name is refused with a message on the command line (true too: the line
/// was a key line). False for any other line.
bool RunKeyLine(const std::wstring& line);

// --- Text at the process boundary ---------------------------------------------------------
std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& bytes);

// --- Environment store ---------------------------------------------------------------------
void ClearHostEnvironment();

// --- Editor --------------------------------------------------------------------------------
/// Puts the editor back as a freshly started host has it: system variables, the UCS, the
/// view and its named views, menus and toolbars, undo marks, waiting and queued commands.
void ResetEditor();
/// Called just before each interactive request takes its answer (a test reads the system
/// variables there); null to stop.
void SetPromptObserver(std::function<void()> observer);

struct MenuItem {
  std::wstring label, macro;
};
struct MenuInfo {
  std::wstring name;
  std::vector<MenuItem> items;
};
struct ToolbarInfo {
  std::wstring name;
  std::vector<MenuItem> buttons;
  bool shown = false;
};
struct MenuGroupInfo {
  std::wstring name, file;
  std::vector<MenuInfo> menus;
  std::vector<ToolbarInfo> toolbars;
};
/// The loaded menu groups, in load order.
std::vector<MenuGroupInfo> MenuGroups();
/// Every toolbar that "-TOOLBAR" showed, in order ("Fastrelle", "Corners", ...).
std::vector<std::wstring> ToolbarLog();
/// The named views, in the order they were saved.
std::vector<std::wstring> NamedViews();
struct UndoState {
  int openGroups = 0;  // "_UNDO" "_BEGIN" not yet ended
  int marks = 0;
};
UndoState Undo();
/// How many times the drawing was regenerated.
int Regenerations();
/// Selection sets handed out and not yet freed.
int OpenSelectionSets();
/// What a user's clicks between commands do (the host's "@select"): the next lines answer
/// "Select objects:" and what they select becomes the pick-first set; nothing selected, or
/// a cancel, clears it.
void SelectPickFirst();

}  // namespace headless

#endif
