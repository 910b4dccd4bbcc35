// The developer test commands of the resource modules: registration of one command whose
// launcher runs a fixture, and its removal at unload.
#ifndef TESTCASE_TESTCOMMAND_H
#define TESTCASE_TESTCOMMAND_H

#include "framework/cmd.h"

/// Registers `name` (as both global and local name) in `group` with flags 1 and `launcher`.
/// Without the host's command stack nothing is registered; false then, or when the host
/// refuses the name.
bool RegisterTestCommand(const CString& group, const CString& name, CommandLauncher launcher);
/// Takes the command off the host again (by group and name); nothing without a stack.
void RemoveTestCommand(const CString& group, const CString& name);

/// The launcher of a test command: builds the fixture (with its cases) on the stack, runs
/// it and destroys it; nothing escapes to the host.
template <class Fixture>
void LaunchFixture() {
  RunReported([] {
    Fixture fixture;
    fixture.Evaluate();
  });
}

#endif
