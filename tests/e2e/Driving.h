#pragma once

#include "app/ControlIds.h"
#include "probe/ProgramUnderTest.h"

#include <string>
#include <vector>

// The main window used as a user uses it: options ticked through their
// clicks, a run started with "Alles Selecteren" and "Verwerken", boxes read
// and answered. Every step waits for its effect, as the program handles
// posted input on its own time.
namespace Driving {

void SetOption(const ProgramUnderTest& program, int checkBox, bool checked);
// The letter-case style by its place in the drop-down.
void ChooseStyle(const ProgramUnderTest& program, int style);
// Selects every line and presses "Verwerken" once the button allows it.
void ProcessAll(const ProgramUnderTest& program);
// After a run: nothing selected, "Verwerken" disabled, progress back at 0,
// no box open. Before it the selection and the button say otherwise.
[[nodiscard]] bool RunEnded(const ProgramUnderTest& program);
// Waits for the next box, checks caption and text, answers it.
void ExpectBox(const ProgramUnderTest& program, const std::wstring& text, int button);

[[nodiscard]] std::vector<std::wstring> Names(const ProgramUnderTest& program);
// The full folder the label stands for: its tooltip when it shows the path shortened.
[[nodiscard]] std::wstring ShownFolder(const ProgramUnderTest& program);

// Made or changed by Linux itself, as by another application.
void Touch(const std::wstring& path);
// `count` empty files f0000, f0001, ... in a new folder, made by Linux in one go.
void MakeManyFiles(const std::wstring& folder, int count);

} // namespace Driving
