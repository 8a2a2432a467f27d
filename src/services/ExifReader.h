#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// Reads the moment a photo was taken from the Exif data at the start of a
// JPEG or TIFF file. The bytes come from any file the user points us at, so
// the reader trusts none of them: it reads nothing outside the buffer, ends on
// every input and raises nothing; a damaged file merely has no date.
class ExifReader {
public:
    struct Moment {
        int Year;
        int Month;
        int Day;
        int Hour;
        int Minute;
        int Second;

        bool operator==(const Moment&) const = default;
    };

    // The most of a file's start the reader looks at: bytes past it are
    // ignored, so callers need read no more. A JPEG's Exif segment is at most
    // 64 KiB but need not come first (a JFIF thumbnail or a colour profile may
    // precede it); a quarter of a MiB leaves room for three full segments
    // before it, and holds the directories of TIFF-based files, which writers
    // put ahead of the image data. It is still a small read next to the
    // megabytes of a photo.
    static constexpr std::size_t ReadLimit = 256 * 1024;

    // DateTimeOriginal of the Exif directory, else DateTimeDigitized, else
    // the first directory's DateTime: the first of them that holds a valid
    // moment. None when the bytes are no JPEG or TIFF or hold no valid date
    // (blank, out of range, or not in the form "YYYY:MM:DD HH:MM:SS").
    [[nodiscard]] static std::optional<Moment> DateTaken(const std::uint8_t* bytes, std::size_t size);

    // The moment in `length` bytes of text as Exif writes it, by the same
    // rules: "YYYY:MM:DD HH:MM:SS", then nothing but spaces up to a NUL or the
    // end. For a date another reader took out of the file.
    [[nodiscard]] static std::optional<Moment> ParseDate(const std::uint8_t* text, std::size_t length);
};
