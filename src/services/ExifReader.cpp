#include "services/ExifReader.h"

#include <algorithm>
#include <array>

namespace {

using Moment = ExifReader::Moment;

constexpr std::uint16_t TiffMagic = 42;
constexpr std::uint16_t TagDateTime = 0x0132;
constexpr std::uint16_t TagExifIfd = 0x8769;
constexpr std::uint16_t TagDateTimeOriginal = 0x9003;
constexpr std::uint16_t TagDateTimeDigitized = 0x9004;
constexpr std::uint16_t TypeAscii = 2;
constexpr std::uint16_t TypeLong = 4;
constexpr std::uint16_t TypeIfd = 13;
constexpr std::size_t EntrySize = 12;
constexpr std::size_t DateLength = 19;

constexpr std::uint8_t MarkerStart = 0xFF;
constexpr std::uint8_t MarkerTem = 0x01;
constexpr std::uint8_t MarkerRst0 = 0xD0;
constexpr std::uint8_t MarkerRst7 = 0xD7;
constexpr std::uint8_t MarkerSoi = 0xD8;
constexpr std::uint8_t MarkerEoi = 0xD9;
constexpr std::uint8_t MarkerSos = 0xDA;
constexpr std::uint8_t MarkerApp1 = 0xE1;
constexpr std::array<std::uint8_t, 6> ExifSignature{'E', 'x', 'i', 'f', 0, 0};

struct Entry {
    std::uint16_t Type;
    std::uint32_t Count;
    // Where the entry's 4-byte value field starts: the value itself when it
    // fits there, otherwise the offset of the value.
    std::size_t Field;
};

// A TIFF structure in memory. Every offset in it comes from the file, so
// each read checks its own bounds and fails rather than reaching outside.
class Tiff {
public:
    Tiff(const std::uint8_t* bytes, std::size_t size, bool littleEndian)
        : bytes_(bytes), size_(size), littleEndian_(littleEndian)
    {
    }

    // Written as a difference so that no offset near the type's maximum can wrap round.
    [[nodiscard]] bool Holds(std::size_t offset, std::size_t length) const
    {
        return offset <= size_ && length <= size_ - offset;
    }

    [[nodiscard]] std::optional<std::uint16_t> U16(std::size_t offset) const
    {
        if (!Holds(offset, 2)) {
            return std::nullopt;
        }
        const std::uint8_t* at = bytes_ + offset;
        return static_cast<std::uint16_t>(littleEndian_ ? at[0] | (at[1] << 8) : (at[0] << 8) | at[1]);
    }

    [[nodiscard]] std::optional<std::uint32_t> U32(std::size_t offset) const
    {
        if (!Holds(offset, 4)) {
            return std::nullopt;
        }
        const std::uint8_t* at = bytes_ + offset;
        std::uint32_t value = 0;
        for (int index = 0; index < 4; ++index) {
            value = (value << 8) | at[littleEndian_ ? 3 - index : index];
        }
        return value;
    }

    // The first entry of `tag` in the directory at `ifd`. A directory that
    // claims more entries than the bytes hold is read as far as they go: a
    // date in its first entries is as good as in a whole one.
    [[nodiscard]] std::optional<Entry> Find(std::uint32_t ifd, std::uint16_t tag) const
    {
        const auto count = U16(ifd);
        if (!count) {
            return std::nullopt;
        }
        const std::size_t first = static_cast<std::size_t>(ifd) + 2;
        const std::size_t entries = std::min<std::size_t>(*count, (size_ - first) / EntrySize);
        for (std::size_t index = 0; index < entries; ++index) {
            const std::size_t at = first + index * EntrySize;
            if (U16(at) == tag) {
                return Entry{*U16(at + 2), *U32(at + 4), at + 8};
            }
        }
        return std::nullopt;
    }

    [[nodiscard]] const std::uint8_t* Bytes(std::size_t offset) const { return bytes_ + offset; }

private:
    const std::uint8_t* bytes_;
    std::size_t size_;
    bool littleEndian_;
};

bool ReadNumber(const std::uint8_t* text, std::size_t digits, int& value)
{
    value = 0;
    for (std::size_t index = 0; index < digits; ++index) {
        if (text[index] < '0' || text[index] > '9') {
            return false;
        }
        value = value * 10 + (text[index] - '0');
    }
    return true;
}

int DaysInMonth(int year, int month)
{
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[static_cast<std::size_t>(month - 1)];
}

std::optional<Moment> ReadDate(const Tiff& tiff, std::optional<std::uint32_t> ifd, std::uint16_t tag)
{
    if (!ifd) {
        return std::nullopt;
    }
    const auto entry = tiff.Find(*ifd, tag);
    if (!entry || entry->Type != TypeAscii) {
        return std::nullopt;
    }
    // A valid date never fits the 4 bytes of the entry, so it always sits at an offset.
    const auto offset = tiff.U32(entry->Field);
    if (!offset || !tiff.Holds(*offset, entry->Count)) {
        return std::nullopt;
    }
    return ExifReader::ParseDate(tiff.Bytes(*offset), entry->Count);
}

// Only the first directory and the Exif directory it points to are read, and
// neither's pointers are followed further, so a directory pointing back at
// itself or at the other cannot make the reader go round.
std::optional<Moment> FromTiff(const std::uint8_t* bytes, std::size_t size)
{
    if (size < 8 || bytes[0] != bytes[1] || (bytes[0] != 'I' && bytes[0] != 'M')) {
        return std::nullopt;
    }
    const Tiff tiff(bytes, size, bytes[0] == 'I');
    const auto ifd0 = tiff.U32(4);
    if (tiff.U16(2) != TiffMagic || !ifd0) {
        return std::nullopt;
    }
    std::optional<std::uint32_t> exif;
    const auto pointer = tiff.Find(*ifd0, TagExifIfd);
    if (pointer && (pointer->Type == TypeLong || pointer->Type == TypeIfd) && pointer->Count == 1) {
        exif = tiff.U32(pointer->Field);
    }
    if (auto moment = ReadDate(tiff, exif, TagDateTimeOriginal)) {
        return moment;
    }
    if (auto moment = ReadDate(tiff, exif, TagDateTimeDigitized)) {
        return moment;
    }
    return ReadDate(tiff, ifd0, TagDateTime);
}

std::optional<Moment> FromJpeg(const std::uint8_t* bytes, std::size_t size)
{
    std::size_t at = 2;
    while (at < size) {
        if (bytes[at] != MarkerStart) {
            return std::nullopt;
        }
        while (at < size && bytes[at] == MarkerStart) {
            ++at;
        }
        if (at == size) {
            return std::nullopt;
        }
        const std::uint8_t marker = bytes[at++];
        if (marker == MarkerTem || (marker >= MarkerRst0 && marker <= MarkerRst7)) {
            continue;
        }
        // The metadata segments all come before the scan; a zero is no marker at all.
        if (marker == 0 || marker == MarkerSoi || marker == MarkerEoi || marker == MarkerSos || size - at < 2) {
            return std::nullopt;
        }
        const std::size_t length = static_cast<std::size_t>((bytes[at] << 8) | bytes[at + 1]);
        if (length < 2) {
            return std::nullopt;
        }
        // A segment cut short by the read limit still gives what it holds.
        const std::size_t payload = at + 2;
        const std::size_t held = std::min(length - 2, size - payload);
        if (marker == MarkerApp1 && held >= ExifSignature.size() &&
            std::equal(ExifSignature.begin(), ExifSignature.end(), bytes + payload)) {
            return FromTiff(bytes + payload + ExifSignature.size(), held - ExifSignature.size());
        }
        if (length > size - at) {
            return std::nullopt;
        }
        at += length;
    }
    return std::nullopt;
}

} // namespace

std::optional<Moment> ExifReader::DateTaken(const std::uint8_t* bytes, std::size_t size)
{
    if (bytes == nullptr || size < 2) {
        return std::nullopt;
    }
    size = std::min(size, ReadLimit);
    if (bytes[0] == MarkerStart && bytes[1] == MarkerSoi) {
        return FromJpeg(bytes, size);
    }
    return FromTiff(bytes, size);
}

// Cameras without a clock set write zeros or spaces here, and some writers pad
// the text with spaces or end it with junk after the NUL; only the moment's
// own 19 characters must be exact.
std::optional<Moment> ExifReader::ParseDate(const std::uint8_t* text, std::size_t length)
{
    if (text == nullptr || length < DateLength) {
        return std::nullopt;
    }
    for (std::size_t index = DateLength; index < length && text[index] != 0; ++index) {
        if (text[index] != ' ') {
            return std::nullopt;
        }
    }
    static constexpr std::array<std::size_t, 5> separators{4, 7, 10, 13, 16};
    for (const std::size_t at : separators) {
        if (text[at] != (at == 10 ? ' ' : ':')) {
            return std::nullopt;
        }
    }
    Moment moment{};
    if (!ReadNumber(text, 4, moment.Year) || !ReadNumber(text + 5, 2, moment.Month) ||
        !ReadNumber(text + 8, 2, moment.Day) || !ReadNumber(text + 11, 2, moment.Hour) ||
        !ReadNumber(text + 14, 2, moment.Minute) || !ReadNumber(text + 17, 2, moment.Second)) {
        return std::nullopt;
    }
    if (moment.Year < 1 || moment.Month < 1 || moment.Month > 12 || moment.Day < 1 ||
        moment.Day > DaysInMonth(moment.Year, moment.Month) || moment.Hour > 23 || moment.Minute > 59 ||
        moment.Second > 59) {
        return std::nullopt;
    }
    return moment;
}
