#include "services/FileStepSeam.h"

#include <atomic>

namespace {

std::atomic<const FileStepSeam::Listener*> listening{nullptr};

} // namespace

FileStepSeam::FileStepSeam(Listener listener) noexcept : listener_(std::move(listener))
{
    listening = &listener_;
}

FileStepSeam::~FileStepSeam()
{
    listening = nullptr;
}

bool FileStepSeam::Allows(FileStep step, const std::wstring& path)
{
    const Listener* listener = listening;
    return listener == nullptr || (*listener)(step, path);
}
