#include "engine/PhotoMoment.h"

#include "platform/PathForm.h"
#include "services/ExifReader.h"

#include <vector>

namespace {

// Where the imaging component keeps the date taken: in a JPEG's Exif
// segment and in a TIFF file's own Exif directory.
constexpr const wchar_t* DateTakenQueries[] = {
    L"/app1/ifd/exif/{ushort=36867}",
    L"/ifd/exif/{ushort=36867}",
};

std::optional<SYSTEMTIME> AsSystemTime(const std::optional<ExifReader::Moment>& moment)
{
    if (!moment) {
        return std::nullopt;
    }
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(moment->Year);
    time.wMonth = static_cast<WORD>(moment->Month);
    time.wDay = static_cast<WORD>(moment->Day);
    time.wHour = static_cast<WORD>(moment->Hour);
    time.wMinute = static_cast<WORD>(moment->Minute);
    time.wSecond = static_cast<WORD>(moment->Second);
    return time;
}

// The date as Exif writes it, "2024:07:15 13:45:00", read by the same rules
// as the program's own reader applies.
std::optional<SYSTEMTIME> FromExifText(const PROPVARIANT& value)
{
    if (value.vt != VT_LPSTR || value.pszVal == nullptr) {
        return std::nullopt;
    }
    const std::string text(value.pszVal);
    return AsSystemTime(ExifReader::ParseDate(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace

PhotoMoment::PhotoMoment()
{
    IWICImagingFactory* factory = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)))) {
        factory_.Reset(factory);
    }
}

std::optional<SYSTEMTIME> PhotoMoment::Of(const std::wstring& path) const
{
    if (auto moment = FromImaging(path)) {
        return moment;
    }
    return FromFileStart(path);
}

std::optional<SYSTEMTIME> PhotoMoment::FromImaging(const std::wstring& path) const
{
    if (!factory_) {
        return std::nullopt;
    }
    IWICBitmapDecoder* decoderPointer = nullptr;
    if (FAILED(factory_.Get()->CreateDecoderFromFilename(PathForm::Extended(path).c_str(), nullptr, GENERIC_READ,
            WICDecodeMetadataCacheOnDemand, &decoderPointer))) {
        return std::nullopt;
    }
    const ComInterface<IWICBitmapDecoder> decoder(decoderPointer);
    IWICBitmapFrameDecode* framePointer = nullptr;
    if (FAILED(decoder.Get()->GetFrame(0, &framePointer))) {
        return std::nullopt;
    }
    const ComInterface<IWICBitmapFrameDecode> frame(framePointer);
    IWICMetadataQueryReader* readerPointer = nullptr;
    if (FAILED(frame.Get()->GetMetadataQueryReader(&readerPointer))) {
        return std::nullopt;
    }
    const ComInterface<IWICMetadataQueryReader> reader(readerPointer);
    for (const wchar_t* query : DateTakenQueries) {
        PropVariant value;
        if (SUCCEEDED(reader.Get()->GetMetadataByName(query, value.Receive()))) {
            if (auto moment = FromExifText(value.Get())) {
                return moment;
            }
        }
    }
    return std::nullopt;
}

std::optional<SYSTEMTIME> PhotoMoment::FromFileStart(const std::wstring& path)
{
    const FileHandle file(::CreateFileW(PathForm::Extended(path).c_str(), GENERIC_READ,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN,
        nullptr));
    if (!file) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> start(ExifReader::ReadLimit);
    DWORD read = 0;
    if (!::ReadFile(file.Get(), start.data(), static_cast<DWORD>(start.size()), &read, nullptr)) {
        return std::nullopt;
    }
    return AsSystemTime(ExifReader::DateTaken(start.data(), read));
}
