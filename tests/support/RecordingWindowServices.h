#pragma once

#include "app/PlatformWindowServices.h"

#include <deque>
#include <string>
#include <vector>

// The real window services with the message box and the shell replaced:
// every request is recorded, and answered from a script (or, when the script
// is used up, with OK/No and shell success). Pending messages, focus, repaint
// and the pointer stay real.
class RecordingWindowServices final : public PlatformWindowServices {
public:
    struct Warning {
        std::wstring text;
        MessageBoxButtons buttons;
    };
    struct OpenedDocument {
        std::wstring document;
        std::wstring folder;
    };

    explicit RecordingWindowServices(HWND window);

    MessageBoxChoice ShowWarning(const std::wstring& text, MessageBoxButtons buttons) override;
    bool OpenDocument(const std::wstring& document, const std::wstring& folder) override;
    bool ShowProperties(const std::wstring& path) override;
    void NotifyAssociationChanged() override;

    // Answers given in order, one per request.
    std::deque<MessageBoxChoice> warningAnswers;
    std::deque<bool> shellAnswers;

    std::vector<Warning> warnings;
    std::vector<OpenedDocument> openedDocuments;
    std::vector<std::wstring> shownProperties;
    int associationChangedCount = 0;

private:
    bool NextShellAnswer();
};
