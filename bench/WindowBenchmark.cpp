#include "WindowBenchmark.h"

#include "ControlsBenchmark.h"
#include "ListBenchmark.h"
#include "ProcessingBenchmark.h"

#include "app/ControlIds.h"
#include "app/FolderListing.h"
#include "app/FormVarnook.h"
#include "engine/LetterCase.h"
#include "platform/Dpi.h"
#include "platform/PendingMessages.h"
#include "settings/Settings.h"

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr UINT InvokeMessage = WM_APP + 1;
constexpr const wchar_t* InvokerClass = L"VarnookBenchmarkInvoker";
constexpr double Megabyte = 1024.0 * 1024.0;
constexpr int IdleSeconds = 10;
constexpr int NewFileSamples = 11;

// What the window reads at load: the folder it shows and the options of a
// run in upper case with a new modified moment, through subfolders.
void StoreOptions(const std::wstring& folder)
{
    Settings settings;
    settings.SetLastFolder(folder);
    settings.SetConversion(LetterCase::Upper);
    settings.SetSubfolders(true);
    settings.SetModified(true);
    settings.SetLog(false);
    settings.SetIgnoreReadonly(false);
    settings.SetHiddenSystem(false);
}

// The main window on a user-interface thread of its own that runs the
// program's main loop. The benchmark works from outside it, as a user does:
// the watch's loop, which starts at the first activation and runs until the
// window closes, keeps running between the measured operations.
class WindowOnThread {
public:
    explicit WindowOnThread(const std::wstring& folder)
        : ready_(::CreateEventW(nullptr, FALSE, FALSE, nullptr)), done_(::CreateEventW(nullptr, FALSE, FALSE, nullptr))
    {
        StoreOptions(folder);
        thread_ = std::thread([this] { RunThread(); });
        ::WaitForSingleObject(ready_.Get(), INFINITE);
        Invoke([this] { ::SetForegroundWindow(form_->Hwnd()); });
    }

    ~WindowOnThread()
    {
        ::PostMessageW(form_->Hwnd(), WM_CLOSE, 0, 0);
        thread_.join();
    }

    WindowOnThread(const WindowOnThread&) = delete;
    WindowOnThread& operator=(const WindowOnThread&) = delete;

    // Runs `work` on the window's thread, between two messages of whatever
    // loop runs there, and waits for it. A message box it raises is closed
    // and reported: nothing may wait for a click. The work is posted, so it
    // comes after what the window posted itself: the first work runs inside
    // the watch's loop, never with the watch's start still queued (work that
    // pumps messages would start the watch inside itself and never return).
    void Invoke(const std::function<void()>& work)
    {
        ::PostMessageW(invoker_, InvokeMessage, 0, reinterpret_cast<LPARAM>(&work));
        while (::WaitForSingleObject(done_.Get(), 1000) == WAIT_TIMEOUT) {
            ::EnumThreadWindows(threadId_, &WindowOnThread::CloseMessageBox, reinterpret_cast<LPARAM>(this));
        }
    }

    // A click on one of the window's buttons.
    void Click(int controlId)
    {
        Invoke([this, controlId] {
            ::SendMessageW(form_->Hwnd(), WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                reinterpret_cast<LPARAM>(::GetDlgItem(form_->Hwnd(), controlId)));
        });
    }

    // Only on the window's thread, inside Invoke.
    [[nodiscard]] FormVarnook& Form() { return *form_; }
    [[nodiscard]] HWND List() const { return form_->Controls().ListViewFolderItems().ControlHwnd(); }
    [[nodiscard]] int MessageBoxes() const { return messageBoxes_; }

private:
    void RunThread()
    {
        const HRESULT com = ::OleInitialize(nullptr);
        threadId_ = ::GetCurrentThreadId();
        WNDCLASSEXW windowClass{sizeof(windowClass)};
        windowClass.lpfnWndProc = &WindowOnThread::InvokerProcedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = InvokerClass;
        ::RegisterClassExW(&windowClass);
        {
            const WindowHandle invoker(::CreateWindowExW(
                0, InvokerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr));
            ::SetWindowLongPtrW(invoker.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
            invoker_ = invoker.Get();
            form_ = std::make_unique<FormVarnook>();
            if (!form_->Load(SW_SHOWNORMAL)) {
                std::fwprintf(stderr, L"the main window could not be created\n");
                std::exit(1);
            }
            ::SetEvent(ready_.Get());
            MSG message;
            while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
                PendingMessages::Dispatch(message);
            }
            form_.reset();
        }
        if (SUCCEEDED(com)) {
            ::OleUninitialize();
        }
    }

    static LRESULT CALLBACK InvokerProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
    {
        if (message != InvokeMessage) {
            return ::DefWindowProcW(window, message, wparam, lparam);
        }
        auto* self = reinterpret_cast<WindowOnThread*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        try {
            (*reinterpret_cast<const std::function<void()>*>(lparam))();
        } catch (const std::exception& error) {
            std::fwprintf(stderr, L"the window failed: %hs\n", error.what());
        }
        ::SetEvent(self->done_.Get());
        return 0;
    }

    static BOOL CALLBACK CloseMessageBox(HWND window, LPARAM lparam)
    {
        wchar_t className[16]{};
        ::GetClassNameW(window, className, 16);
        if (std::wstring(className) == L"#32770" && ::IsWindowVisible(window)) {
            wchar_t text[512]{};
            ::GetDlgItemTextW(window, 0xFFFF, text, 512);
            std::fwprintf(stderr, L"message box: %ls\n", text);
            ++reinterpret_cast<WindowOnThread*>(lparam)->messageBoxes_;
            ::PostMessageW(window, WM_COMMAND, IDOK, 0);
        }
        return TRUE;
    }

    KernelHandle ready_;
    KernelHandle done_;
    DWORD threadId_ = 0;
    HWND invoker_ = nullptr;
    std::unique_ptr<FormVarnook> form_;
    int messageBoxes_ = 0;
    std::thread thread_;
};

PROCESS_MEMORY_COUNTERS_EX MemoryNow()
{
    PROCESS_MEMORY_COUNTERS_EX counters{sizeof(counters)};
    ::GetProcessMemoryInfo(
        ::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
    return counters;
}

void PrintMegabytes(const wchar_t* name, SIZE_T bytes, SIZE_T before)
{
    std::wprintf(L"%-44ls %9.1f MB  (before %5.1f MB)   goal  < 100 MB\n", name, static_cast<double>(bytes) / Megabyte,
        static_cast<double>(before) / Megabyte);
    std::fflush(stdout);
}

int RowCount(HWND list)
{
    return static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

// The process with the window listing 100,000 files, against the process
// before the window existed.
void MeasureMemory(const std::wstring& folder)
{
    const PROCESS_MEMORY_COUNTERS_EX before = MemoryNow();
    const WindowOnThread window(folder);
    if (RowCount(window.List()) != 100'000) {
        std::fwprintf(stderr, L"the many-files folder must hold 100,000 files\n");
    }
    const PROCESS_MEMORY_COUNTERS_EX listed = MemoryNow();
    // PrivateUsage reads 0 under Wine; the commit charge stands in for it there.
    PrintMegabytes(L"Window, 100,000 rows: private bytes", listed.PrivateUsage, before.PrivateUsage);
    PrintMegabytes(L"Window, 100,000 rows: commit charge", listed.PagefileUsage, before.PagefileUsage);
    PrintMegabytes(L"Window, 100,000 rows: working set", listed.WorkingSetSize, before.WorkingSetSize);
}

// Refresh on the real window against the list part's bare listing, on a
// list of the same window thread.
void MeasureListing(Benchmark& benchmark, const std::wstring& folder)
{
    WindowOnThread window(folder);
    WindowHandle host;
    WindowHandle bare;
    window.Invoke([&] {
        host = ShownHost();
        bare = BareList(host.Get(), Dpi::FromTwips(240, 1320, 4695, 2895, Dpi::OfSystem()));
    });
    benchmark.Compare(
        L"Window: Refresh, 30,000 files + 1,000 folders", [&] { window.Click(ControlIds::CommandRefresh); },
        [&] { window.Invoke([&] { BareFill(bare.Get(), folder); }); });
    if (RowCount(window.List()) != 31'000) {
        std::fwprintf(stderr, L"the listing folder must hold 30,000 files and 1,000 folders\n");
    }
    // Each click turns the order of the moment column round: every one sorts every row.
    benchmark.Measure(
        L"Window: header sort, 31,000 rows",
        [&] {
            window.Invoke([&] {
                ListView& list = window.Form().Controls().ListViewFolderItems();
                NMLISTVIEW click{{list.ControlHwnd(), 0, LVN_COLUMNCLICK}, -1, FolderListing::ModifiedColumn};
                ::SendMessageW(list.Hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
            });
        },
        0.1);
    window.Invoke([&] {
        bare.Reset();
        host.Reset();
    });
}

// From creating a file in the shown folder until its row is there; every
// file goes again, and its going is listed, before the next.
void MeasureNewFile(const WindowOnThread& window, const std::wstring& folder)
{
    std::vector<double> delays;
    int missed = 0;
    for (int i = 0; i < NewFileSamples; ++i) {
        const std::wstring path = folder + L"\\new-file-" + std::to_wstring(i) + L".txt";
        const int rows = RowCount(window.List());
        const auto created = Clock::now();
        {
            const FileHandle file(
                ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        }
        while (RowCount(window.List()) != rows + 1 && Clock::now() - created < std::chrono::seconds(2)) {
            ::Sleep(1);
        }
        if (RowCount(window.List()) == rows + 1) {
            delays.push_back(std::chrono::duration<double>(Clock::now() - created).count());
        } else {
            ++missed;
        }
        ::DeleteFileW(path.c_str());
        for (const auto deleted = Clock::now();
             RowCount(window.List()) != rows && Clock::now() - deleted < std::chrono::seconds(2);) {
            ::Sleep(10);
        }
    }
    if (delays.empty()) {
        std::wprintf(L"%-44ls    missed every file\n", L"Window: new file listed");
        return;
    }
    std::sort(delays.begin(), delays.end());
    std::wprintf(L"%-44ls %9.3f s   goal  < %6.3f s   (max %.3f s, missed %d of %d)\n", L"Window: new file listed",
        delays[delays.size() / 2], 0.3, delays.back(), missed, NewFileSamples);
    std::fflush(stdout);
}

// The whole process while the shown window only watches its folder.
void MeasureIdle()
{
    const double cpuBefore = Benchmark::ProcessCpuSeconds();
    const auto start = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(IdleSeconds));
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const double share = 100.0 * (Benchmark::ProcessCpuSeconds() - cpuBefore) / wall;
    std::wprintf(L"%-44ls %9.2f %%   goal  < %6.2f %% of one core\n", L"Window: idle, watching", share, 1.0);
    std::fflush(stdout);
}

// The tree's line alone selected, as a click on it leaves the window.
void SelectLine(FormVarnook& form, const std::wstring& name)
{
    auto& items = form.Controls().ListViewFolderItems().ListItems();
    const std::wstring lowered = LetterCase::ToLower(name);
    for (std::int32_t i = 0; i < items.Count(); ++i) {
        const FolderRow& row = items.Item(i)->Row();
        items.Item(i)->SetSelected(row.IsFolder && LetterCase::ToLower(row.Name) == lowered);
    }
    form.Controls().CommandProcess().SetEnabled(items.SelectedCount() == 1);
}

// Upper case and the new moment through subfolders, started with Process
// on the tree's line, against the run part's bare loop. Both trees are put
// back in lower case, untimed, before every run.
void MeasureRun(Benchmark& benchmark, WindowOnThread& window, const std::wstring& root)
{
    const std::wstring ours = root + L"\\run-ours";
    const std::wstring bare = root + L"\\run-bare";
    const FILETIME moment = BareMoment();
    benchmark.Compare(
        L"Window: Process, 10,000 files in 500 folders",
        [&] {
            BareRun(ours, LetterCase::Lower, moment);
            // The renamed tree is listed again after the watch's quiet period.
            std::this_thread::sleep_for(std::chrono::seconds(1));
            window.Invoke([&] { SelectLine(window.Form(), L"run-ours"); });
        },
        [&] { window.Click(ControlIds::CommandProcess); }, [&] { BareRun(bare, LetterCase::Lower, moment); },
        [&] { BareRun(bare, LetterCase::Upper, moment); });
}

} // namespace

void BenchmarkWindow(Benchmark& benchmark, Benchmark& slowBenchmark, const std::wstring& root)
{
    MeasureMemory(root + L"\\many-files");
    MeasureListing(benchmark, root + L"\\listing");
    WindowOnThread window(root);
    MeasureNewFile(window, root);
    MeasureIdle();
    MeasureRun(slowBenchmark, window, root);
    if (window.MessageBoxes() != 0) {
        std::fwprintf(stderr, L"%d message boxes were shown\n", window.MessageBoxes());
    }
}
