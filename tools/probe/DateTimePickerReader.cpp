#include "probe/DateTimePickerReader.h"

#include "probe/ProbeError.h"
#include "probe/RemoteMemory.h"
#include "probe/WindowReader.h"

std::optional<SYSTEMTIME> DateTimePickerReader::Moment(HANDLE process, HWND picker)
{
    RemoteMemory memory(process, sizeof(SYSTEMTIME));
    const LRESULT answer = WindowReader::Send(picker, DTM_GETSYSTEMTIME, 0, memory.Parameter());
    if (answer == GDT_NONE) {
        return std::nullopt;
    }
    if (answer != GDT_VALID) {
        throw ProbeError(L"the picker cannot say its moment");
    }
    return memory.Get<SYSTEMTIME>();
}
