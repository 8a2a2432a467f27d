#include "services/ExifReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace std::string_literals;
using Bytes = std::vector<std::uint8_t>;
using Moment = ExifReader::Moment;

constexpr std::uint16_t DateTime = 0x0132;
constexpr std::uint16_t Original = 0x9003;
constexpr std::uint16_t Digitized = 0x9004;
constexpr Moment Taken{2021, 6, 15, 10, 20, 30};
const std::string TakenText = "2021:06:15 10:20:30"s + '\0';
const std::string OtherText = "2001:02:03 04:05:06"s + '\0';
constexpr Moment Other{2001, 2, 3, 4, 5, 6};

struct Ascii {
    std::uint16_t Tag;
    std::string Text; // every byte of the value, its NUL too
};

// The first directory at 8, the Exif directory after it (when it has
// entries, pointed to by the first directory's last entry), then the texts.
struct TiffFile {
    TiffFile(bool littleEndian, const std::vector<Ascii>& ifd0, const std::vector<Ascii>& exif = {})
        : Little(littleEndian), ExifIfd(Entry(8, ifd0.size() + (exif.empty() ? 0 : 1)) + 4)
    {
        Data.assign(exif.empty() ? ExifIfd : Entry(ExifIfd, exif.size()) + 4, 0);
        Data[0] = Data[1] = littleEndian ? 'I' : 'M';
        Put16(2, 42);
        Put32(4, 8);
        Directory(8, ifd0, !exif.empty());
        if (!exif.empty()) {
            Directory(ExifIfd, exif, false);
        }
    }

    static std::size_t Entry(std::size_t ifd, std::size_t index) { return ifd + 2 + 12 * index; }

    void Put16(std::size_t at, std::uint32_t value)
    {
        Data[at + (Little ? 0 : 1)] = static_cast<std::uint8_t>(value);
        Data[at + (Little ? 1 : 0)] = static_cast<std::uint8_t>(value >> 8);
    }

    void Put32(std::size_t at, std::uint32_t value)
    {
        Put16(at + (Little ? 0 : 2), value & 0xFFFF);
        Put16(at + (Little ? 2 : 0), value >> 16);
    }

    void Directory(std::size_t ifd, const std::vector<Ascii>& entries, bool exifPointer)
    {
        Put16(ifd, static_cast<std::uint32_t>(entries.size() + (exifPointer ? 1 : 0)));
        for (std::size_t index = 0; index < entries.size(); ++index) {
            const std::size_t at = Entry(ifd, index);
            Put16(at, entries[index].Tag);
            Put16(at + 2, 2);
            Put32(at + 4, static_cast<std::uint32_t>(entries[index].Text.size()));
            Put32(at + 8, static_cast<std::uint32_t>(Data.size()));
            Data.insert(Data.end(), entries[index].Text.begin(), entries[index].Text.end());
        }
        if (exifPointer) {
            const std::size_t at = Entry(ifd, entries.size());
            Put16(at, 0x8769);
            Put16(at + 2, 4);
            Put32(at + 4, 1);
            Put32(at + 8, static_cast<std::uint32_t>(ExifIfd));
        }
    }

    bool Little;
    std::size_t ExifIfd;
    Bytes Data;
};

Bytes Segment(std::uint8_t marker, const std::string& signature, const Bytes& payload)
{
    const std::size_t length = 2 + signature.size() + payload.size();
    Bytes segment(2 + length);
    segment[0] = 0xFF;
    segment[1] = marker;
    segment[2] = static_cast<std::uint8_t>(length >> 8);
    segment[3] = static_cast<std::uint8_t>(length);
    std::copy(payload.begin(), payload.end(), std::copy(signature.begin(), signature.end(), segment.begin() + 4));
    return segment;
}

const Bytes Jfif = Segment(0xE0, "JFIF"s + '\0', {1, 1, 0, 0, 1, 0, 1, 0, 0});
const Bytes Xmp = Segment(0xE1, "http://ns.adobe.com/xap/1.0/"s + '\0', {'<', 'x', '/', '>'});
Bytes ExifSegment(const TiffFile& tiff)
{
    return Segment(0xE1, "Exif"s + '\0' + '\0', tiff.Data);
}

// SOI and a JFIF segment, the given segments each after a fill byte, then a
// one-block scan.
Bytes Jpeg(const std::vector<Bytes>& segments)
{
    Bytes jpeg;
    // Byte by byte: GCC 12 at -O3 takes an insert into a short vector for a write past its end.
    const auto append = [&jpeg](const Bytes& bytes) {
        for (const std::uint8_t byte : bytes) {
            jpeg.push_back(byte);
        }
    };
    append({0xFF, 0xD8});
    append(Jfif);
    for (const Bytes& segment : segments) {
        append({0xFF});
        append(segment);
    }
    append({0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3F, 0x00, 0x3F, 0xFF, 0xD9});
    return jpeg;
}

// Reads a copy of exactly the first `size` bytes, so that the sanitizers see any read past them.
std::optional<Moment> DateTaken(const Bytes& bytes, std::size_t size = SIZE_MAX)
{
    const Bytes exact(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(size, bytes.size())));
    return ExifReader::DateTaken(exact.data(), exact.size());
}

TEST(ExifReader, ReadsTheDateInEitherByteOrderFromTiffAndJpeg)
{
    for (const bool little : {true, false}) {
        const TiffFile tiff(little, {{DateTime, OtherText}}, {{Original, TakenText}});
        EXPECT_EQ(DateTaken(tiff.Data), Taken) << little;
        EXPECT_EQ(DateTaken(Jpeg({ExifSegment(tiff)})), Taken) << little;
        EXPECT_EQ(DateTaken(Jpeg({Xmp, {0xFF, 0x01}, ExifSegment(tiff), Xmp})), Taken) << little;
        EXPECT_EQ(DateTaken(Jpeg({Xmp})), std::nullopt) << little;
    }
}

TEST(ExifReader, PrefersTheOriginalThenTheDigitizedThenTheFirstDirectorysDate)
{
    const std::string blank = "0000:00:00 00:00:00"s + '\0';
    EXPECT_EQ(DateTaken(TiffFile(false, {{DateTime, OtherText}}).Data), Other);
    EXPECT_EQ(DateTaken(TiffFile(false, {{DateTime, OtherText}}, {{Digitized, TakenText}}).Data), Taken);
    EXPECT_EQ(DateTaken(TiffFile(false, {}, {{Original, TakenText}, {Digitized, OtherText}}).Data), Taken);
    EXPECT_EQ(DateTaken(TiffFile(false, {{DateTime, OtherText}}, {{Original, blank}, {Digitized, blank}}).Data), Other);
    // Only the Exif directory's DateTimeOriginal counts.
    EXPECT_EQ(DateTaken(TiffFile(false, {{Original, TakenText}}).Data), std::nullopt);
}

TEST(ExifReader, ReadsOnlyWellFormedValidDates)
{
    const std::vector<std::pair<std::string, std::optional<Moment>>> cases{
        {"2020:02:29 23:59:59"s, Moment{2020, 2, 29, 23, 59, 59}}, {"2021:06:15 10:20:30  \0\xAB"s, Taken},
        {"0000:00:00 00:00:00\0"s, {}}, {"                   \0"s, {}}, {"2021:13:01 00:00:00\0"s, {}},
        {"2021:04:31 00:00:00\0"s, {}}, {"1900:02:29 00:00:00\0"s, {}}, {"2021:06:15 24:00:00\0"s, {}},
        {"2021:06:15 10:20:60\0"s, {}}, {"2021-06-15 10:20:30\0"s, {}}, {"+021:06:15 10:20:30\0"s, {}},
        {"2021:06:15 10:20:30x\0"s, {}}, {"2021:06:15 10:20\0"s, {}}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(DateTaken(TiffFile(true, {{DateTime, text}}).Data), expected) << text;
        EXPECT_EQ(ExifReader::ParseDate(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), expected);
    }
    EXPECT_EQ(ExifReader::ParseDate(nullptr, 0), std::nullopt);
}

TEST(ExifReader, FindsNothingInBytesThatAreNoPhoto)
{
    const std::vector<Bytes> others{{}, {0xFF}, {0xFF, 0xD8}, {0xFF, 0xD8, 0xFF}, {0xFF, 0xD8, 0x00, 0xE1},
        {'I', 'I', 42, 0}, {'I', 'I', 42, 0, 8, 0, 0, 0},
        {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'},
        {'2', '0', '2', '1', ':', '0', '6', ':', '1', '5', ' ', '1', '0', ':', '2', '0', ':', '3', '0'}};
    for (const Bytes& bytes : others) {
        EXPECT_EQ(DateTaken(bytes), std::nullopt) << bytes.size();
    }
    EXPECT_EQ(ExifReader::DateTaken(nullptr, 0), std::nullopt);

    // A dated file with a broken header: mixed byte orders, BigTIFF's magic number.
    for (const auto& [at, value] : std::vector<std::pair<std::size_t, std::uint8_t>>{{1, 'I'}, {0, 'I'}, {3, 43}}) {
        Bytes tiff = TiffFile(false, {{DateTime, TakenText}}).Data;
        tiff[at] = value;
        EXPECT_EQ(DateTaken(tiff), std::nullopt) << at;
    }
}

TEST(ExifReader, EveryTruncationGivesNothingOrTheDateAndMoreBytesNeverLoseIt)
{
    const TiffFile tiff(true, {{DateTime, TakenText}}, {{Original, TakenText}, {Digitized, TakenText}});
    for (const Bytes& file :
        {tiff.Data, TiffFile(false, {}, {{Original, TakenText}}).Data, Jpeg({ExifSegment(tiff)})}) {
        bool found = false;
        for (std::size_t size = 0; size <= file.size(); ++size) {
            const auto moment = DateTaken(file, size);
            EXPECT_TRUE(moment == std::nullopt || moment == Taken) << size;
            EXPECT_FALSE(found && !moment) << size;
            found = found || moment;
        }
        EXPECT_TRUE(found);
    }
}

TEST(ExifReader, PointersBackToADirectoryCannotMakeItGoRound)
{
    TiffFile selfExif(true, {{DateTime, OtherText}}, {{Original, TakenText}});
    selfExif.Put32(TiffFile::Entry(8, 1) + 8, 8);
    EXPECT_EQ(DateTaken(selfExif.Data), Other);

    TiffFile selfNext(false, {{DateTime, OtherText}}, {{Original, TakenText}});
    selfNext.Put32(TiffFile::Entry(8, 2), 8);
    selfNext.Put32(TiffFile::Entry(selfNext.ExifIfd, 1), static_cast<std::uint32_t>(selfNext.ExifIfd));
    EXPECT_EQ(DateTaken(selfNext.Data), Taken);
}

TEST(ExifReader, OffsetsAndCountsThatDoNotFitGiveNothing)
{
    const TiffFile base(false, {}, {{Original, TakenText}});
    const std::size_t original = TiffFile::Entry(base.ExifIfd, 0);
    const auto patched = [&](std::size_t at, std::uint32_t value, bool wide) {
        TiffFile tiff = base;
        wide ? tiff.Put32(at, value) : tiff.Put16(at, value);
        return DateTaken(tiff.Data);
    };
    EXPECT_EQ(patched(4, 0xFFFFFFF0, true), std::nullopt);
    EXPECT_EQ(patched(TiffFile::Entry(8, 0) + 8, 0xFFFFFFF0, true), std::nullopt);
    // An Exif pointer is one LONG or IFD value; a date is ASCII.
    EXPECT_EQ(patched(TiffFile::Entry(8, 0) + 2, 13, false), Taken);
    EXPECT_EQ(patched(TiffFile::Entry(8, 0) + 2, 3, false), std::nullopt);
    EXPECT_EQ(patched(TiffFile::Entry(8, 0) + 4, 2, true), std::nullopt);
    EXPECT_EQ(patched(original + 2, 7, false), std::nullopt);
    EXPECT_EQ(patched(original + 4, 0xFFFFFFFF, true), std::nullopt);
    EXPECT_EQ(patched(original + 8, 0xFFFFFFF0, true), std::nullopt);
    EXPECT_EQ(patched(original + 8, static_cast<std::uint32_t>(base.Data.size() - 19), true), std::nullopt);
    // A directory claiming more entries than there are is read as far as the bytes go.
    EXPECT_EQ(patched(8, 0xFFFF, false), Taken);
    EXPECT_EQ(patched(base.ExifIfd, 0xFFFF, false), Taken);

    // So is an Exif segment longer than the file; a segment before it that is too long or too short ends the walk.
    Bytes longExif = Jpeg({ExifSegment(base)});
    longExif[Jfif.size() + 5] = longExif[Jfif.size() + 6] = 0xFF;
    EXPECT_EQ(DateTaken(longExif), Taken);
    for (const unsigned length : {0x0000u, 0x0001u, 0xFFFFu}) {
        Bytes jpeg = Jpeg({ExifSegment(base)});
        jpeg[4] = static_cast<std::uint8_t>(length >> 8);
        jpeg[5] = static_cast<std::uint8_t>(length);
        EXPECT_EQ(DateTaken(jpeg), std::nullopt) << length;
    }
}

TEST(ExifReader, MutatedFilesNeverCrashItNorGiveAnInvalidDate)
{
    const TiffFile tiff(false, {{DateTime, OtherText}}, {{Original, TakenText}, {Digitized, TakenText}});
    std::mt19937 generator(20210615);
    for (const Bytes& file : {tiff.Data, TiffFile(true, {{DateTime, TakenText}}, {{Original, TakenText}}).Data,
             Jpeg({Xmp, ExifSegment(tiff)})}) {
        for (int round = 0; round < 4000; ++round) {
            Bytes mutated = file;
            for (std::uint32_t flips = generator() % 4 + 1; flips > 0; --flips) {
                mutated[generator() % mutated.size()] = static_cast<std::uint8_t>(generator());
            }
            if (const auto moment = DateTaken(mutated)) {
                EXPECT_TRUE(moment->Month >= 1 && moment->Month <= 12 && moment->Day >= 1 && moment->Day <= 31 &&
                    moment->Hour <= 23 && moment->Minute <= 59 && moment->Second <= 59)
                    << round;
            }
        }
    }
}

} // namespace
