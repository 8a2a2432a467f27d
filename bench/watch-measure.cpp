// Measures what the folder watch costs while nothing happens (CPU time of an
// idle watch at a 10 ms interval) and how soon it reports a new file (from
// creating the file to FileChange). Run it by hand; it prints its figures.

#include "Benchmark.h"

#include "platform/Boundary.h"
#include "platform/Handles.h"
#include "platform/PlatformText.h"
#include "services/FileNotification.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr std::int32_t AllChanges = 31;
constexpr std::int32_t WatchInterval = 10;
constexpr UINT EndWatchMessage = WM_APP + 1;
constexpr int DelaySamples = 21;

using Clock = std::chrono::steady_clock;

class CountingObserver : public FileNotificationObserver {
public:
    void FileChange() override { lastChange.store(Clock::now().time_since_epoch().count()); }
    void FolderChange() override {}
    void Terminate() override {}
    void HandlerFailed(std::exception_ptr) override {}

    std::atomic<Clock::rep> lastChange{0};
};

// Ends the watch from inside its own loop when the message arrives, as the
// main window's handlers do.
class EndingWindow {
public:
    explicit EndingWindow(FileNotification& watch) : watch_(watch)
    {
        WNDCLASSEXW windowClass{sizeof(windowClass)};
        windowClass.lpfnWndProc = &EndingWindow::WindowProcedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VarnookWatchMeasure";
        ::RegisterClassExW(&windowClass);
        window_.Reset(::CreateWindowExW(
            0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr));
        ::SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    void EndAfter(UINT milliseconds) { ::SetTimer(window_.Get(), 1, milliseconds, nullptr); }
    void EndNow() { ::PostMessageW(window_.Get(), EndWatchMessage, 0, 0); }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
    {
        return CallGuarded<LRESULT>(0, [&]() -> LRESULT {
            auto* self = reinterpret_cast<EndingWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
            if (self != nullptr && (message == WM_TIMER || message == EndWatchMessage)) {
                ::KillTimer(window, 1);
                self->watch_.Destroy();
                return 0;
            }
            return ::DefWindowProcW(window, message, wparam, lparam);
        });
    }

    FileNotification& watch_;
    WindowHandle window_;
};

std::wstring MakeScratchFolder()
{
    const std::wstring temp =
        ReadPlatformText([](wchar_t* buffer, DWORD capacity) { return ::GetTempPathW(capacity, buffer); });
    const std::wstring folder = temp + L"varnook-watch-measure-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

void RemoveScratchFolder(const std::wstring& folder, int fileCount)
{
    for (int i = 0; i < fileCount; ++i) {
        ::DeleteFileW((folder + L"\\file" + std::to_wstring(i) + L".txt").c_str());
    }
    ::RemoveDirectoryW(folder.c_str());
}

void PrintCpuShare(const char* what, double cpu, double wall)
{
    std::printf("%s: %.1f s wall, %.3f s CPU = %.2f %% of one core\n", what, wall, cpu, 100.0 * cpu / wall);
}

// What any loop pays here for waking every 10 ms, without watching anything:
// the floor under the watch's own cost.
void MeasureWaitFloor(int seconds)
{
    const KernelHandle never(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const HANDLE event = never.Get();
    const double cpuBefore = Benchmark::ProcessCpuSeconds();
    const auto start = Clock::now();
    const auto end = start + std::chrono::seconds(seconds);
    while (Clock::now() < end) {
        ::MsgWaitForMultipleObjectsEx(1, &event, WatchInterval, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    PrintCpuShare("bare 10 ms waits, no watch", Benchmark::ProcessCpuSeconds() - cpuBefore, wall);
}

void MeasureIdleCpu(const std::wstring& folder, int seconds)
{
    CountingObserver observer;
    FileNotification watch{observer};
    watch.SetFilter(AllChanges);
    watch.SetInterval(WatchInterval);
    EndingWindow ending{watch};
    ending.EndAfter(static_cast<UINT>(seconds) * 1000);

    const double cpuBefore = Benchmark::ProcessCpuSeconds();
    const auto start = Clock::now();
    watch.Create(folder);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpu = Benchmark::ProcessCpuSeconds() - cpuBefore;
    PrintCpuShare("idle watch, interval 10 ms", cpu, wall);
}

// Creates one file at a time from a second thread and waits for the watch
// to report it; returns the delays in milliseconds.
std::vector<double> CreateFilesAndTime(const std::wstring& folder, CountingObserver& observer)
{
    std::vector<double> delays;
    for (int i = 0; i < DelaySamples; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(150 + 7 * i));
        const auto created = Clock::now();
        const FileHandle file(::CreateFileW((folder + L"\\file" + std::to_wstring(i) + L".txt").c_str(), GENERIC_WRITE,
            0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        const auto deadline = created + std::chrono::seconds(2);
        while (observer.lastChange.load() < created.time_since_epoch().count() && Clock::now() < deadline) {
            std::this_thread::yield();
        }
        const auto reported = Clock::time_point(Clock::duration(observer.lastChange.load()));
        delays.push_back(
            reported < created ? -1.0 : std::chrono::duration<double, std::milli>(reported - created).count());
    }
    return delays;
}

void MeasureDelay(const std::wstring& folder)
{
    CountingObserver observer;
    FileNotification watch{observer};
    watch.SetFilter(AllChanges);
    watch.SetInterval(WatchInterval);
    EndingWindow ending{watch};

    std::vector<double> delays;
    std::thread creator([&] {
        delays = CreateFilesAndTime(folder, observer);
        ending.EndNow();
    });
    watch.Create(folder);
    creator.join();

    const auto missed = std::count(delays.begin(), delays.end(), -1.0);
    std::sort(delays.begin(), delays.end());
    std::printf("file created -> FileChange over %d files: median %.2f ms, min %.2f ms, max %.2f ms, missed %d\n",
        DelaySamples, delays[delays.size() / 2], delays.front(), delays.back(), static_cast<int>(missed));
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const int seconds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 30;
    const std::wstring folder = MakeScratchFolder();
    MeasureWaitFloor(seconds);
    MeasureIdleCpu(folder, seconds);
    MeasureDelay(folder);
    RemoveScratchFolder(folder, DelaySamples);
    return 0;
}
