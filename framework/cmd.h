// The command framework. Every user command is a small class derived from `cmd`; a `cmds`
// set registers a group of them with the host. The host sees only a group, two names, a
// flag word and a static launcher; the launcher builds a fresh command object on its stack,
// runs it and destroys it. The objects a set holds only supply names and flags.
#ifndef FRAMEWORK_CMD_H
#define FRAMEWORK_CMD_H

#include <exception>
#include <utility>
#include <vector>

#include "ed/ErrorStatus.h"
#include "mfc/CString.h"

class ZcadAppInfo;

/// A command: its English name (the host's local name), its Polish name (the host's global
/// name), the host's command flags (passed through unchanged: 1 transparent, 2 uses the
/// pick-first set, 4 redraw) and its action.
class cmd {
public:
  cmd(const CString& englishName, const CString& polishName, int flags)
      : m_englishName(englishName), m_polishName(polishName), m_flags(flags) {}
  virtual ~cmd() = default;
  virtual void Run() = 0;

  const CString& EnglishName() const { return m_englishName; }
  const CString& PolishName() const { return m_polishName; }
  int Flags() const { return m_flags; }

protected:
  CString m_englishName;
  CString m_polishName;
  int m_flags;
};

typedef void (*CommandLauncher)();

/// Reports a command that ended with an exception: a host status through the error
/// printer (with the host's text for it), anything else as an unexpected failure.
void ReportCommandStatus(int status);
void ReportCommandException(const char* what);

/// Runs `body` for the host (a command, a module's entry message). Nothing escapes to the
/// host: an exception ends it with a report.
template <class Body>
void RunReported(Body&& body) {
  try {
    body();
  } catch (Zcad::ErrorStatus status) {
    ReportCommandStatus(status);
  } catch (int status) {
    ReportCommandStatus(status);
  } catch (const std::exception& e) {
    ReportCommandException(e.what());
  } catch (...) {
    ReportCommandException(nullptr);
  }
}

/// Runs one command of class `T` for the host: constructs it on the stack, runs it and
/// destroys it, reported as RunReported does.
template <class T>
void LaunchCommand() {
  RunReported([] {
    T command;
    command.Run();
  });
}

/// A group of commands registered together. It owns its command objects and deletes them
/// with itself; it does not unregister them.
class cmds {
public:
  explicit cmds(const CString& group) : m_group(group) {}
  virtual ~cmds();
  cmds(const cmds&) = delete;
  cmds& operator=(const cmds&) = delete;

  /// Asks the host to remove the whole group; the host's status.
  virtual int Unregister();
  /// Adds every command to the host's command stack in order: the group, the Polish name as
  /// the global name, the English name as the local name, the flags and the launcher. A name
  /// the host refuses does not stop the loop.
  virtual void Register();
  /// Removes from the host exactly the commands that this set's Register got accepted (a
  /// name the host refused belongs to someone else and stays). Done before the set is
  /// deleted at unload, so that no command of an unloaded module stays reachable.
  void RemoveRegistered();
  /// Writes the group and the commands' names for demand loading; the last status.
  virtual int WriteToRegistry(ZcadAppInfo& info);

  const CString& Group() const { return m_group; }
  const std::vector<std::pair<cmd*, CommandLauncher>>& Commands() const { return m_commands; }

protected:
  /// Appends a command object of class `T` with its launcher.
  template <class T>
  void Add() {
    m_commands.emplace_back(new T, &LaunchCommand<T>);
  }

  CString m_group;
  std::vector<std::pair<cmd*, CommandLauncher>> m_commands;
  std::vector<CString> m_accepted;  // global names the host accepted from Register
};

#endif
