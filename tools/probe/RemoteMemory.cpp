#include "probe/RemoteMemory.h"

#include "probe/ProbeError.h"

RemoteMemory::RemoteMemory(HANDLE process, size_t size)
    : process_(process), size_(size),
      address_(::VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))
{
    if (address_ == nullptr) {
        throw ProbeError(
            L"cannot allocate memory in the program's process (error " + std::to_wstring(::GetLastError()) + L")");
    }
}

RemoteMemory::~RemoteMemory()
{
    ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

void RemoteMemory::Write(const void* data, size_t size, size_t offset)
{
    CheckRange(size, offset);
    SIZE_T written = 0;
    if (!::WriteProcessMemory(process_, At(offset), data, size, &written) || written != size) {
        throw ProbeError(L"cannot write the program's memory");
    }
}

void RemoteMemory::Read(void* data, size_t size, size_t offset) const
{
    CheckRange(size, offset);
    SIZE_T read = 0;
    if (!::ReadProcessMemory(process_, At(offset), data, size, &read) || read != size) {
        throw ProbeError(L"cannot read the program's memory");
    }
}

void RemoteMemory::CheckRange(size_t size, size_t offset) const
{
    if (offset > size_ || size > size_ - offset) {
        throw ProbeError(L"a record does not fit its block in the program's memory");
    }
}
