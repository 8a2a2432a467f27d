// A console tool for scripts that drive the program under Wine. TITLE is a
// visible window's exact title ("Pellonar Varnook" when left out); a box
// is a message box, of the window's process or, without a title, of any.
//   varnook-probe wait  TITLE [SECONDS]   waits for the window
//   varnook-probe close TITLE [SECONDS]   asks it to close, waits for its process to end
//   varnook-probe text  ID [TITLE]        prints the text of the window's control ID
//   varnook-probe click ID [TITLE]        clicks the button ID (posted BM_CLICK)
//   varnook-probe rows  [TITLE]           prints the lines of the window's list, tab-separated,
//                                         selected ones marked "*", the focused one ">"
//   varnook-probe boxes [TITLE]           prints each box as caption, tab, text
//   varnook-probe answer BUTTON [TITLE]   answers the first box: ok, yes, no, cancel or a number
// Exit code 0 on success, 1 when the window, control or box is not there or
// the program does not end, 2 on a wrong call.

#include "platform/Handles.h"
#include "probe/Await.h"
#include "probe/ListViewReader.h"
#include "probe/MessageBoxes.h"
#include "probe/ProbeError.h"
#include "probe/VarnookProgram.h"
#include "probe/WindowFinder.h"
#include "probe/WindowReader.h"

#include <cwchar>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr Await::Milliseconds DefaultWait{30000};

void Print(const std::wstring& line)
{
    const std::string bytes = ToUtf8(line + L"\n");
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

class Call {
public:
    Call(int argc, wchar_t** argv) : arguments_(argv + 1, argv + argc) {}

    [[nodiscard]] std::wstring At(size_t index, const std::wstring& fallback = {}) const
    {
        return index < arguments_.size() ? arguments_[index] : fallback;
    }
    [[nodiscard]] Await::Milliseconds Seconds(size_t index) const
    {
        return index < arguments_.size()
            ? Await::Milliseconds(std::wcstoul(arguments_[index].c_str(), nullptr, 10) * 1000)
            : DefaultWait;
    }
    [[nodiscard]] std::wstring Title(size_t index) const { return At(index, VarnookProgram::Title); }

private:
    std::vector<std::wstring> arguments_;
};

HWND WaitForWindow(const std::wstring& title, Await::Milliseconds timeout)
{
    const auto window = Await::Value<HWND>(
        [&]() -> std::optional<HWND> {
            const HWND found = WindowFinder::ByTitle(title);
            return found != nullptr ? std::optional<HWND>(found) : std::nullopt;
        },
        timeout);
    if (!window.has_value()) {
        throw ProbeError(L"no window titled \"" + title + L"\"");
    }
    return *window;
}

HWND Window(const std::wstring& title)
{
    return WaitForWindow(title, Await::Milliseconds(0));
}

HWND ControlOf(const Call& call)
{
    const HWND control = WindowFinder::Child(Window(call.Title(2)), std::stoi(call.At(1)));
    if (control == nullptr) {
        throw ProbeError(L"no control " + call.At(1));
    }
    return control;
}

KernelHandle OpenProcessOf(HWND window, DWORD access)
{
    KernelHandle process(::OpenProcess(access, FALSE, WindowFinder::ProcessOf(window)));
    if (!process) {
        throw ProbeError(L"cannot open the window's process");
    }
    return process;
}

int Close(const Call& call)
{
    const Await::Milliseconds timeout = call.Seconds(2);
    const HWND window = WaitForWindow(call.At(1), timeout);
    const KernelHandle process = OpenProcessOf(window, SYNCHRONIZE);
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.Get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        throw ProbeError(L"the program did not end");
    }
    return 0;
}

int Rows(const Call& call)
{
    const HWND window = Window(call.Title(1));
    const KernelHandle process =
        OpenProcessOf(window, PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION);
    const ListViewReader list(process.Get(), WindowFinder::Descendant(window, WC_LISTVIEWW));
    for (const ListRow& row : list.Rows()) {
        std::wstring line = std::wstring(row.selected ? L"*" : L" ") + (row.focused ? L">" : L" ");
        for (const std::wstring& text : row.texts) {
            line += L"\t" + text;
        }
        Print(line);
    }
    return 0;
}

MessageBoxes BoxesOf(const Call& call, size_t titleIndex)
{
    const std::wstring title = call.At(titleIndex);
    return MessageBoxes(title.empty() ? 0 : WindowFinder::ProcessOf(Window(title)));
}

int Boxes(const Call& call)
{
    for (const ShownBox& box : BoxesOf(call, 1).Shown()) {
        Print(box.caption + L"\t" + box.text);
    }
    return 0;
}

int Answer(const Call& call)
{
    static const std::map<std::wstring, int> buttons{
        {L"ok", IDOK}, {L"yes", IDYES}, {L"no", IDNO}, {L"cancel", IDCANCEL}};
    const auto named = buttons.find(call.At(1));
    const int button = named != buttons.end() ? named->second : std::stoi(call.At(1));
    const std::vector<ShownBox> boxes = BoxesOf(call, 2).Shown();
    if (boxes.empty()) {
        throw ProbeError(L"no message box");
    }
    MessageBoxes::Answer(boxes.front(), button);
    return 0;
}

int Run(const Call& call)
{
    const std::wstring command = call.At(0);
    if (command == L"wait" && !call.At(1).empty()) {
        WaitForWindow(call.At(1), call.Seconds(2));
        return 0;
    }
    if (command == L"close" && !call.At(1).empty()) {
        return Close(call);
    }
    if (command == L"text" && !call.At(1).empty()) {
        Print(WindowReader::Text(ControlOf(call)));
        return 0;
    }
    if (command == L"click" && !call.At(1).empty()) {
        ::PostMessageW(ControlOf(call), BM_CLICK, 0, 0);
        return 0;
    }
    if (command == L"maximise" && !call.At(1).empty()) {
        ::PostMessageW(Window(call.At(1)), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        return 0;
    }
    if (command == L"rows") {
        return Rows(call);
    }
    if (command == L"boxes") {
        return Boxes(call);
    }
    if (command == L"answer" && !call.At(1).empty()) {
        return Answer(call);
    }
    std::fwprintf(stderr,
        L"usage: varnook-probe wait|close|maximise TITLE [SECONDS] | text|click ID [TITLE] | rows [TITLE] | "
        L"boxes [TITLE] | answer BUTTON [TITLE]\n");
    return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    try {
        return Run(Call(argc, argv));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "varnook-probe: %s\n", error.what());
        return 1;
    }
}
