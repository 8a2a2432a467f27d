#pragma once

#include "probe/RemoteMemory.h"
#include "probe/WindowReader.h"

#include <algorithm>
#include <string>

// Reads a text that a control copies into a buffer named by a record
// (LVITEMW, LVCOLUMNW, TOOLINFOW, ...): record and buffer are placed side by
// side in the other process, the message is sent, the buffer read back. The
// buffer doubles until the text fits, so no long name comes back cut.
namespace RemoteText {

// How the control says how long the text is.
enum class Length { Answered, UpToNul };

// `prepare(record, buffer, capacity)` fills the record for the buffer's
// remote address and capacity and returns the message's wparam.
template <typename Record, typename Prepare>
std::wstring Read(
    HANDLE process, HWND window, UINT message, Prepare&& prepare, Length length, size_t firstCapacity = 512)
{
    constexpr size_t largestCapacity = 32768;
    for (size_t capacity = firstCapacity;; capacity *= 2) {
        RemoteMemory memory(process, sizeof(Record) + capacity * sizeof(wchar_t));
        Record record{};
        const WPARAM wparam =
            prepare(record, static_cast<wchar_t*>(memory.At(sizeof(Record))), static_cast<int>(capacity));
        memory.Put(record);
        memory.Put(L'\0', sizeof(Record));
        const LRESULT answer = WindowReader::Send(window, message, wparam, memory.Parameter());
        std::wstring text(capacity, L'\0');
        memory.Read(text.data(), capacity * sizeof(wchar_t), sizeof(Record));
        size_t used = static_cast<size_t>(std::max<LRESULT>(answer, 0));
        if (length == Length::UpToNul) {
            const size_t nul = text.find(L'\0');
            used = nul == std::wstring::npos ? capacity : nul;
        }
        if (used + 1 < capacity || capacity >= largestCapacity) {
            text.resize(std::min(used, capacity));
            return text;
        }
    }
}

} // namespace RemoteText
