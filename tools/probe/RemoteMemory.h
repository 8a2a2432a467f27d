#pragma once

#include "platform/Win32.h"

#include <cstddef>

// A block of memory inside another process, freed when the object goes
// away. Messages whose parameter points at a record (LVM_GETITEMTEXTW,
// DTM_GETSYSTEMTIME, TTM_GETTEXTW, ...) are not carried across processes by
// the platform: the record has to live where the control can write it. The
// process handle is borrowed and must outlive the block; both processes are
// 64-bit, so records have the same layout on both sides.
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    // The address `offset` bytes into the block, as the other process sees it.
    [[nodiscard]] void* At(size_t offset = 0) const noexcept { return static_cast<char*>(address_) + offset; }
    [[nodiscard]] LPARAM Parameter(size_t offset = 0) const noexcept { return reinterpret_cast<LPARAM>(At(offset)); }
    [[nodiscard]] size_t Size() const noexcept { return size_; }

    void Write(const void* data, size_t size, size_t offset = 0);
    void Read(void* data, size_t size, size_t offset = 0) const;

    template <typename Record>
    void Put(const Record& record, size_t offset = 0)
    {
        Write(&record, sizeof(record), offset);
    }
    template <typename Record>
    [[nodiscard]] Record Get(size_t offset = 0) const
    {
        Record record{};
        Read(&record, sizeof(record), offset);
        return record;
    }

private:
    void CheckRange(size_t size, size_t offset) const;

    HANDLE process_;
    size_t size_;
    void* address_;
};
