#include "support/RecordingWindowServices.h"

RecordingWindowServices::RecordingWindowServices(HWND window) : PlatformWindowServices(window, L"Test title")
{
}

MessageBoxChoice RecordingWindowServices::ShowWarning(const std::wstring& text, MessageBoxButtons buttons)
{
    warnings.push_back({text, buttons});
    if (!warningAnswers.empty()) {
        const MessageBoxChoice answer = warningAnswers.front();
        warningAnswers.pop_front();
        return answer;
    }
    return buttons == MessageBoxButtons::YesNo ? MessageBoxChoice::No : MessageBoxChoice::Ok;
}

bool RecordingWindowServices::NextShellAnswer()
{
    if (shellAnswers.empty()) {
        return true;
    }
    const bool answer = shellAnswers.front();
    shellAnswers.pop_front();
    return answer;
}

bool RecordingWindowServices::OpenDocument(const std::wstring& document, const std::wstring& folder)
{
    openedDocuments.push_back({document, folder});
    return NextShellAnswer();
}

bool RecordingWindowServices::ShowProperties(const std::wstring& path)
{
    shownProperties.push_back(path);
    return NextShellAnswer();
}

void RecordingWindowServices::NotifyAssociationChanged()
{
    ++associationChangedCount;
}
