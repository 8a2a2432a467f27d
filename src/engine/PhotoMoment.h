#pragma once

#include "platform/Handles.h"
#include "platform/Win32.h"

#include <wincodec.h>

#include <optional>
#include <string>

// The moment a photo was taken, as its Exif data records it (local time,
// the camera's clock). The platform's imaging component reads it where it
// can; where it cannot (an older platform, or a file it will not decode),
// the program's own reader of JPEG and TIFF files does.
class PhotoMoment {
public:
    // The imaging component is made once, for every photo the object reads;
    // without COM on the thread, only the program's own reader is used.
    PhotoMoment();

    [[nodiscard]] std::optional<SYSTEMTIME> Of(const std::wstring& path) const;

private:
    [[nodiscard]] std::optional<SYSTEMTIME> FromImaging(const std::wstring& path) const;
    [[nodiscard]] static std::optional<SYSTEMTIME> FromFileStart(const std::wstring& path);

    ComInterface<IWICImagingFactory> factory_;
};
