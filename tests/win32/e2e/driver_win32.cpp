#include "driver_win32.h"

// clang-format off
#include <objidl.h>
#include <gdiplus.h>
// clang-format on
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <fstream>
#include <iterator>

namespace corvane::e2e {
namespace {

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text) {
        c = static_cast<wchar_t>(std::towupper(c));
    }
    return text;
}

// The current environment with `overrides` applied, as a sorted block.
std::vector<wchar_t> EnvironmentBlock(const std::map<std::wstring, std::wstring>& overrides) {
    std::map<std::wstring, std::wstring> names;  // upper-cased name -> "Name=value"
    if (wchar_t* block = GetEnvironmentStringsW()) {
        for (const wchar_t* entry = block; *entry != L'\0'; entry += wcslen(entry) + 1) {
            const std::wstring text(entry);
            const std::size_t eq = text.find(L'=', 1);
            if (eq != std::wstring::npos) {
                names[Upper(text.substr(0, eq))] = text;
            }
        }
        FreeEnvironmentStringsW(block);
    }
    for (const auto& [name, value] : overrides) {
        if (value.empty()) {
            names.erase(Upper(name));
        } else {
            names[Upper(name)] = name + L"=" + value;
        }
    }
    std::vector<wchar_t> result;
    for (const auto& [key, entry] : names) {
        result.insert(result.end(), entry.begin(), entry.end());
        result.push_back(L'\0');
    }
    result.push_back(L'\0');
    return result;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

// How long one round trip to a window may take before it is sent again; how
// long a sent tray click may take to be handled; how long a terminated
// process may take to end.
constexpr UINT kRoundTripMs = 250;
constexpr UINT kSendTimeoutMs = 10000;
constexpr DWORD kTerminateTimeoutMs = 5000;

bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kRoundTripMs, &result) != 0;
}

std::string WindowWanted(const wchar_t* className, const wchar_t* caption) {
    std::string wanted = "a window of class \"" + Utf8(className) + "\"";
    if (caption != nullptr) {
        wanted += " captioned \"" + Utf8(caption) + "\"";
    }
    return wanted;
}

bool EncoderClsid(const wchar_t* mime, CLSID& clsid) {
    UINT count = 0;
    UINT size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    if (size == 0) {
        return false;
    }
    std::vector<std::uint8_t> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    Gdiplus::GetImageEncoders(count, size, codecs);
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(codecs[i].MimeType, mime) == 0) {
            clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

}  // namespace

void ReportTimeout(std::string_view awaited, DWORD timeoutMs) {
    std::fprintf(stderr, "timed out after %lu ms waiting for %.*s\n",
                 static_cast<unsigned long>(timeoutMs), static_cast<int>(awaited.size()),
                 awaited.data());
    std::fflush(stderr);
}

std::string Describe(HWND window) {
    char text[32] = {};
    std::snprintf(text, sizeof text, "window 0x%llx",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)));
    return text;
}

std::string Utf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int wide = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, result.data(), size, nullptr, nullptr);
    return result;
}

Program::Program(const std::filesystem::path& exe, const std::map<std::wstring, std::wstring>& env,
                 const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
    if (!arguments.empty()) {
        commandLine += L" " + arguments;
    }
    std::vector<wchar_t> environment = EnvironmentBlock(env);
    const std::wstring folder = exe.parent_path().wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessW(exe.wstring().c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                       CREATE_UNICODE_ENVIRONMENT, environment.data(), folder.c_str(), &startup,
                       &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        pid_ = info.dwProcessId;
    }
}

Program Program::WithLocale(const std::filesystem::path& exe, const std::wstring& locale,
                            const wchar_t* className, DWORD timeoutMs) {
    std::wstring unixPath = exe.wstring();
    if (unixPath.size() > 2 && unixPath[1] == L':') {
        unixPath = unixPath.substr(2);  // drive Z: is the Unix root
    }
    std::replace(unixPath.begin(), unixPath.end(), L'\\', L'/');
    std::wstring commandLine =
        L"Z:\\usr\\bin\\env LC_ALL=" + locale + L" wine \"" + unixPath + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    Program program;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return program;
    }
    // A Unix process: its handle cannot be waited for.
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    HWND window = nullptr;
    if (WaitUntil(WindowWanted(className, nullptr) + " started with LC_ALL=" + Utf8(locale),
                  timeoutMs,
                  [&] { return (window = FindWindowW(className, nullptr)) != nullptr; })) {
        GetWindowThreadProcessId(window, &program.pid_);
        program.process_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE,
                                       FALSE, program.pid_);
    }
    return program;
}

Program::~Program() {
    if (process_ != nullptr) {
        if (!Ended()) {
            TerminateProcess(process_, 99);
            WaitUntil("process " + std::to_string(pid_) + " to end when terminated",
                      kTerminateTimeoutMs, [&] { return Ended(); });
        }
        CloseHandle(process_);
    }
}

Program::Program(Program&& other) noexcept : process_(other.process_), pid_(other.pid_) {
    other.process_ = nullptr;
}

Program& Program::operator=(Program&& other) noexcept {
    std::swap(process_, other.process_);
    std::swap(pid_, other.pid_);
    return *this;
}

bool Program::Ended() const {
    return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
}

std::optional<DWORD> Program::WaitForExit(DWORD timeoutMs) {
    if (process_ == nullptr || !WaitUntil("process " + std::to_string(pid_) + " to exit", timeoutMs,
                                          [&] { return Ended(); })) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

std::vector<HWND> Program::WindowsOf(const wchar_t* className, const wchar_t* caption) const {
    struct Search {
        DWORD pid;
        const wchar_t* className;
        const wchar_t* caption;
        std::vector<HWND> found;
    } search{pid_, className, caption, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.pid && ClassOf(window) == s.className &&
                (s.caption == nullptr || WindowText(window) == s.caption)) {
                s.found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Program::FindWindowOf(const wchar_t* className, const wchar_t* caption) const {
    const std::vector<HWND> windows = WindowsOf(className, caption);
    return windows.empty() ? nullptr : windows.front();
}

HWND Program::WaitForWindow(const wchar_t* className, const wchar_t* caption,
                            DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil(WindowWanted(className, caption) + " of process " + std::to_string(pid_), timeoutMs,
              [&] { return (found = FindWindowOf(className, caption)) != nullptr; });
    return found;
}

bool WaitUntilAnswered(HWND window, DWORD timeoutMs) {
    return WaitUntil(Describe(window) + " to answer a message", timeoutMs,
                     [&] { return Answers(window); });
}

bool WaitUntilStartedUp(HWND window, DWORD timeoutMs) {
    return WaitUntil(Describe(window) +
                         " to end its start-up: tray icon added, window hidden and "
                         "answering messages",
                     timeoutMs, [&] {
                         return TrayIconExists(window) && Answers(window) &&
                                IsWindowVisible(window) == FALSE;
                     });
}

std::wstring WindowText(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

std::wstring MessageBoxText(HWND box) {
    std::wstring text;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (Upper(ClassOf(child)) == L"STATIC") {
            text += WindowText(child);
        }
    }
    return text;
}

void CloseMessageBox(HWND box) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

bool ClickTray(HWND window) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(window, WM_USER + 1, 0, WM_LBUTTONUP, SMTO_NORMAL, kSendTimeoutMs,
                            &result) == 0) {
        ReportTimeout(Describe(window) + " to handle a tray click", kSendTimeoutMs);
        return false;
    }
    return true;
}

bool TrayIconExists(HWND window) {
    NOTIFYICONDATAW probe{};
    probe.cbSize = sizeof probe;
    probe.hWnd = window;
    probe.uID = 0;
    probe.uFlags = 0;
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

void ClickAt(HWND window, POINT client, bool release) {
    const LPARAM at = MAKELPARAM(client.x, client.y);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    if (release) {
        PostMessageW(window, WM_LBUTTONUP, 0, at);
    }
}

HWND WaitForList(HWND window, int id, DWORD timeoutMs) {
    HWND list = nullptr;
    WaitUntil("list " + std::to_string(id) + " to open", timeoutMs,
              [&] { return (list = GetDlgItem(window, id)) != nullptr; });
    return list;
}

int ListItemCount(HWND list) {
    return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
}

std::optional<POINT> PointAtListItem(HWND list, int index, DWORD timeoutMs) {
    const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    RECT client{};
    GetClientRect(list, &client);
    const POINT item{client.right / 2, (index - top) * height + height / 2};
    POINT screen = item;
    ClientToScreen(list, &screen);
    // Two moves, so that the pointer moves within the list even when it
    // already rests where the item is.
    SetCursorPos(screen.x, screen.y - 1);
    SetCursorPos(screen.x, screen.y);
    if (!WaitUntil("item " + std::to_string(index) + " lit under the pointer", timeoutMs,
                   [&] { return SendMessageW(list, LB_GETCURSEL, 0, 0) == index; })) {
        return std::nullopt;
    }
    return item;
}

bool ChooseListItem(HWND list, int index, DWORD timeoutMs) {
    const std::optional<POINT> item = PointAtListItem(list, index, timeoutMs);
    if (!item) {
        return false;
    }
    const LPARAM at = MAKELPARAM(item->x, item->y);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    return true;
}

void PointerTo(HWND window, POINT client) {
    POINT screen = client;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
}

void PointerAway() {
    SetCursorPos(0, 0);
}

namespace {

// `width` x `height` pixels of `source` from `origin`, without the unused
// byte.
Pixels CaptureFrom(HDC source, POINT origin, int width, int height) {
    Pixels pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.bgrx.assign(static_cast<std::size_t>(pixels.width) * pixels.height, 0);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, pixels.width, pixels.height, source, origin.x, origin.y, SRCCOPY);
        GdiFlush();
        const auto* copied = static_cast<const std::uint32_t*>(bits);
        std::transform(copied, copied + pixels.bgrx.size(), pixels.bgrx.begin(),
                       [](std::uint32_t p) { return p & 0x00FFFFFFu; });
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    return pixels;
}

}  // namespace

Pixels CaptureClient(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    Pixels pixels = CaptureFrom(dc, POINT{0, 0}, client.right, client.bottom);
    ReleaseDC(window, dc);
    return pixels;
}

Pixels CaptureScreenOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr);
    Pixels pixels = CaptureFrom(screen, origin, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    return pixels;
}

std::optional<Pixels> LoadPngPixels(const std::filesystem::path& file,
                                    std::vector<std::uint8_t>* alpha) {
    Gdiplus::Bitmap bitmap(file.wstring().c_str());
    if (bitmap.GetLastStatus() != Gdiplus::Ok) {
        return std::nullopt;
    }
    Pixels pixels;
    pixels.width = static_cast<int>(bitmap.GetWidth());
    pixels.height = static_cast<int>(bitmap.GetHeight());
    pixels.bgrx.resize(static_cast<std::size_t>(pixels.width) * pixels.height);
    Gdiplus::Rect all(0, 0, pixels.width, pixels.height);
    Gdiplus::BitmapData data{};
    if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) !=
        Gdiplus::Ok) {
        return std::nullopt;
    }
    if (alpha != nullptr) {
        alpha->resize(pixels.bgrx.size());
    }
    for (int y = 0; y < pixels.height; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(data.Scan0) +
                                                   static_cast<std::ptrdiff_t>(y) * data.Stride);
        for (int x = 0; x < pixels.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * pixels.width + x;
            pixels.bgrx[i] = row[x] & 0x00FFFFFFu;
            if (alpha != nullptr) {
                (*alpha)[i] = static_cast<std::uint8_t>(row[x] >> 24);
            }
        }
    }
    bitmap.UnlockBits(&data);
    return pixels;
}

Pixels Compose(const Pixels& bottom, const std::filesystem::path& top, int x0, int y0) {
    Pixels result = bottom;
    std::vector<std::uint8_t> alpha;
    const std::optional<Pixels> image = LoadPngPixels(top, &alpha);
    if (!image) {
        return result;
    }
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            const int tx = x0 + x;
            const int ty = y0 + y;
            if (tx < 0 || ty < 0 || tx >= result.width || ty >= result.height) {
                continue;
            }
            const std::size_t si = static_cast<std::size_t>(y) * image->width + x;
            const unsigned a = alpha[si];
            const std::uint32_t s = image->bgrx[si];
            std::uint32_t& d = result.bgrx[static_cast<std::size_t>(ty) * result.width + tx];
            std::uint32_t out = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                const unsigned sc = ((s >> shift) & 0xFF) * a / 255;  // premultiplied
                const unsigned dc = (d >> shift) & 0xFF;
                out |= std::min(255u, sc + dc * (255 - a) / 255) << shift;
            }
            d = out;
        }
    }
    return result;
}

bool SavePng(const Pixels& pixels, const std::filesystem::path& file) {
    CLSID png{};
    if (!EncoderClsid(L"image/png", png) || pixels.bgrx.empty()) {
        return false;
    }
    std::vector<std::uint32_t> opaque(pixels.bgrx.size());
    std::transform(pixels.bgrx.begin(), pixels.bgrx.end(), opaque.begin(),
                   [](std::uint32_t p) { return p | 0xFF000000u; });
    Gdiplus::Bitmap bitmap(pixels.width, pixels.height, pixels.width * 4, PixelFormat32bppARGB,
                           reinterpret_cast<BYTE*>(opaque.data()));
    return bitmap.Save(file.wstring().c_str(), &png, nullptr) == Gdiplus::Ok;
}

int DifferingPixels(const Pixels& actual, const Pixels& expected, RECT rect,
                    const std::vector<RECT>& excluded, int tolerance) {
    int differing = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            const POINT p{x, y};
            if (std::any_of(excluded.begin(), excluded.end(),
                            [&](const RECT& r) { return PtInRect(&r, p) != FALSE; })) {
                continue;
            }
            const std::uint32_t a = actual.At(x, y);
            const std::uint32_t e = expected.At(x, y);
            for (int shift = 0; shift < 24; shift += 8) {
                const int d =
                    static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((e >> shift) & 0xFF);
                if (d > tolerance || d < -tolerance) {
                    ++differing;
                    break;
                }
            }
        }
    }
    return differing;
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::optional<std::uint64_t> LastWriteTime(const std::filesystem::path& file) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(file.wstring().c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    return (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

std::wstring IniValue(const std::filesystem::path& file, const wchar_t* section,
                      const wchar_t* key) {
    wchar_t value[1024] = {};
    GetPrivateProfileStringW(section, key, L"", value, 1024, file.wstring().c_str());
    return value;
}

GdiplusScope::GdiplusScope() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
}

GdiplusScope::~GdiplusScope() {
    Gdiplus::GdiplusShutdown(token_);
}

}  // namespace corvane::e2e
