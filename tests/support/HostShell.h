#pragma once

#include <string>

// Under Wine a test can have the Linux host do what Windows programs cannot
// there: make two names that differ only in letter case, or delete a folder
// that a handle is open on. Outside Wine both answer as failures.

// The host's path for a Windows path; empty text when not under Wine.
std::string HostPath(const std::wstring& path);

// Runs a command with the host's /bin/sh and waits for it; true when it
// ran and ended with 0.
bool RunOnHost(const std::string& command);

// A host path in single quotes for such a command.
std::string ShellQuoted(const std::string& path);
