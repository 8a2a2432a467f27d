#pragma once

#include "platform/Win32.h"

#include <string>

// The windows of probe-target, a small program that shows the standard and
// common controls the real program uses, so that the harness can be checked
// against known contents: every reader, real input and message boxes.
namespace ProbeTarget {

inline constexpr const wchar_t* Title = L"Varnook probe target";
inline constexpr const wchar_t* WindowClass = L"VarnookProbeTarget";
// Started with this argument and a text, it shows only a Yes/No message box
// with the text and ends with the answer's identifier as its exit code.
inline constexpr const wchar_t* BoxArgument = L"box";

inline constexpr int ClientWidth = 600;
inline constexpr int ClientHeight = 420;

inline constexpr int Edit = 200;
inline constexpr int Check = 201;
// Each click adds one to the number in Counter.
inline constexpr int CountButton = 202;
inline constexpr int Counter = 203;
inline constexpr int Combo = 204;
// Holders wrap their control as the real program's components do.
inline constexpr int ListHolder = 205;
inline constexpr int PickerHolder = 206;
inline constexpr int Progress = 207;
inline constexpr int PathLabel = 208;
inline constexpr int DisabledButton = 209;

inline constexpr int ProgressLow = 0;
inline constexpr int ProgressHigh = 100000; // past 16 bits
inline constexpr int ProgressPosition = 70000;
inline constexpr const wchar_t* PathText = L"Z:\\een\\...\\pad";
inline constexpr const wchar_t* PathTip = L"Z:\\een\\heel\\lang\\pad\\naar\\een\\map";
inline constexpr const wchar_t* Headers[] = {L"Naam", L"Gewijzigd"};
inline constexpr const wchar_t* ComboEntries[] = {L"Huidige letter", L"Grote letter", L"Kleine letter"};
inline constexpr int ComboSelection = 1;
inline constexpr SYSTEMTIME PickerMoment{1925, 3, 0, 7, 14, 3, 5, 0};

// The list: more lines than it shows, some in scripts past Latin-1, one
// 250-character name; line 1 is selected and has the focus.
inline constexpr int ListLines = 40;
inline constexpr int InitiallySelected = 1;
inline std::wstring ListName(int line)
{
    switch (line) {
    case 0:
        return L"Map <DIR>";
    case 1:
        return L"Ελληνικά.txt";
    case 2:
        return L"Кириллица.txt";
    case 3:
        return L"漢字テキスト.txt";
    case 4:
        return std::wstring(246, L'n') + L".txt";
    default:
        return L"bestand " + std::to_wstring(line) + L".txt";
    }
}
inline std::wstring ListModified(int line)
{
    return L"7-12-2026 14:" + std::to_wstring(10 + line) + L":05";
}

} // namespace ProbeTarget
