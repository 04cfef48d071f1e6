// SerialLink on Windows: the communications calls on a synchronous file handle. The driver's own
// time-outs (interval and total constant) give the read its semantics.
#include <windows.h>
// After windows.h, which it needs.
#include <setupapi.h>

#include <algorithm>
#include <cctype>
#include <condition_variable>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <limits>
#include <mutex>
#include <string>

#include "link/serial_link.h"
#include "link/serial_link_detail.h"

namespace brenvox {

namespace {

constexpr DWORD kQueueLimit = 1024;

DWORD LimitQueue(DWORD size) {
    return size == 0 || size > kQueueLimit ? kQueueLimit : size;
}

// Stands for "opened, but no character device" in OpenHandle's error; no system code is 0.
constexpr DWORD kNotCharacterDevice = 0;

// CreateFileA with no sharing; anything that is not a character device is closed again. On
// failure `error` holds the system's code, or kNotCharacterDevice.
HANDLE OpenHandle(const std::string& name, DWORD& error) {
    HANDLE h = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return INVALID_HANDLE_VALUE;
    }
    if (GetFileType(h) != FILE_TYPE_CHAR) {
        CloseHandle(h);
        error = kNotCharacterDevice;
        return INVALID_HANDLE_VALUE;
    }
    return h;
}

PortFault FaultOfOpenError(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_BAD_UNIT:
        case ERROR_DEV_NOT_EXIST:
            return PortFault::NoDevice;
        // Windows gives a serial port to one opener at a time and answers every other with
        // "access denied": for a port that is another program holding it.
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_BUSY:
            return PortFault::Busy;
        default:
            return PortFault::Other;
    }
}

// The system's own description of an error code, in UTF-8 and the user's language, without the
// line end that the system puts after it.
std::string SystemText(DWORD error) {
    if (error == kNotCharacterDevice) return {};
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string out;
    if (n > 0 && text) {
        const int size =
            WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(n), nullptr, 0, nullptr, nullptr);
        out.resize(static_cast<size_t>(size > 0 ? size : 0));
        if (size > 0)
            WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(n), out.data(), size, nullptr, nullptr);
    }
    if (text) LocalFree(text);
    while (!out.empty() &&
           (out.back() == '\n' || out.back() == '\r' || out.back() == ' ' || out.back() == '.'))
        out.pop_back();
    if (out.empty()) out = "error " + std::to_string(error);
    return out;
}

// Serial drivers are meant to give a port to one opener at a time, but not every driver keeps to
// it (Wine's does not, nor some virtual ports): a second program on the port would then mix its
// frames into a transfer under way. A named object per port, alive while its holder keeps the
// port open, keeps out a second opener as the flock does on Linux; the system removes it when the
// holder ends, however it ends.
// `busy` tells a port claimed by someone else from a claim the system could not make (a name it
// will not take, such as a file path with a drive letter): that one opens without a claim and
// leaves exclusiveness to the driver.
HANDLE ClaimPort(const std::string& path, bool& busy) {
    std::string name = path.rfind("\\\\.\\", 0) == 0 ? path.substr(4) : path;
    // Object names take no backslash after their namespace; file paths are full of them.
    for (char& c : name) c = c == '\\' ? '/' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    HANDLE claim = CreateMutexA(nullptr, FALSE, ("Global\\brenvox-port-" + name).c_str());
    busy = claim != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    if (busy) {
        CloseHandle(claim);
        return nullptr;
    }
    return claim;
}

bool Configure(HANDLE h, int32_t baud, int32_t totalMs, int32_t intervalMs) {
    COMMPROP props{};
    if (!GetCommProperties(h, &props)) return false;
    if (!SetupComm(h, LimitQueue(props.dwMaxRxQueue), LimitQueue(props.dwMaxTxQueue))) return false;

    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(h, &dcb)) return false;
    dcb.BaudRate = static_cast<DWORD>(baud);
    // Only fBinary on: no parity check, no CTS/DSR flow control, DTR and RTS control disabled
    // (raised explicitly below), no XON/XOFF, no error character, no null stripping, no abort.
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fTXContinueOnXoff = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;
    dcb.fAbortOnError = FALSE;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    if (!SetCommState(h, &dcb)) return false;

    COMMTIMEOUTS t{};
    if (!GetCommTimeouts(h, &t)) return false;
    t.ReadIntervalTimeout = static_cast<DWORD>(intervalMs);
    t.ReadTotalTimeoutMultiplier = 0;
    t.ReadTotalTimeoutConstant = static_cast<DWORD>(totalMs);
    t.WriteTotalTimeoutMultiplier = 0;
    t.WriteTotalTimeoutConstant = 0;
    if (!SetCommTimeouts(h, &t)) return false;
    return SetCommMask(h, 0) != 0;
}

}  // namespace

struct SerialLink::Impl {
    std::mutex mutex;
    std::condition_variable idle;
    HANDLE handle = INVALID_HANDLE_VALUE;
    HANDLE claim = nullptr;
    int users = 0;
    bool closing = false;

    // An operation's hold on the handle: it is not closed (and its value not reused) while held.
    struct Use {
        Impl& impl;
        HANDLE handle = INVALID_HANDLE_VALUE;
        explicit Use(Impl& i) : impl(i) {
            std::lock_guard lock(impl.mutex);
            if (impl.handle == INVALID_HANDLE_VALUE || impl.closing) return;
            ++impl.users;
            handle = impl.handle;
        }
        ~Use() {
            if (handle == INVALID_HANDLE_VALUE) return;
            std::lock_guard lock(impl.mutex);
            if (--impl.users == 0) impl.idle.notify_all();
        }
        explicit operator bool() const { return handle != INVALID_HANDLE_VALUE; }
    };
};

std::string PortDevicePath(PortType, int portNumber) {
    // Every port type is reached by its COM number on Windows.
    if (portNumber < 1) return {};
    return "COM" + std::to_string(portNumber);
}

namespace {

std::string Utf8Of(const wchar_t* text, size_t length) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), out.data(), size, nullptr, nullptr);
    return out;
}

// 12 for "COM12" (in any case), 0 for any other name.
int ComNumber(const std::string& name) {
    if (name.size() < 4 || name.size() > 7 || _strnicmp(name.c_str(), "COM", 3) != 0) return 0;
    int n = 0;
    for (size_t i = 3; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return 0;
        n = n * 10 + (name[i] - '0');
    }
    return n;
}

// The ports every serial driver enters under HARDWARE\DEVICEMAP\SERIALCOMM while its device is
// present (USB adapters, Bluetooth and virtual ports included); the system's own port lists read
// it, and Wine fills it with the ports of its prefix.
void AddRegisteredPorts(std::vector<std::string>& names) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return;
    for (DWORD i = 0;; ++i) {
        wchar_t valueName[256];
        DWORD nameLength = 256;
        wchar_t data[256] = {};
        DWORD dataBytes = sizeof data - sizeof(wchar_t);  // room for a terminator the data may lack
        DWORD type = 0;
        const LONG r = RegEnumValueW(key, i, valueName, &nameLength, nullptr, &type,
                                     reinterpret_cast<BYTE*>(data), &dataBytes);
        if (r == ERROR_NO_MORE_ITEMS) break;
        if (r != ERROR_SUCCESS || type != REG_SZ) continue;  // one too long for us is not a port name
        const std::string port = Utf8Of(data, wcsnlen(data, dataBytes / sizeof(wchar_t)));
        if (!port.empty()) names.push_back(port);
    }
    RegCloseKey(key);
}

// The COM names among all the system's device names, for a driver that makes a name but no
// registry entry.
void AddDosDevicePorts(std::vector<std::string>& names) {
    std::vector<wchar_t> all(16384);
    while (QueryDosDeviceW(nullptr, all.data(), static_cast<DWORD>(all.size())) == 0) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || all.size() >= (1u << 22)) return;
        all.resize(all.size() * 4);
    }
    for (const wchar_t* p = all.data(); *p; p += wcslen(p) + 1) {
        const std::string name = Utf8Of(p, wcslen(p));
        if (ComNumber(name) > 0) names.push_back(name);
    }
}

// What the system's device list ("Ports (COM & LPT)") says of a port: the name the device
// manager shows, the maker, the USB ids.
struct ListedPort {
    std::string name;  // "COM5"
    std::string friendlyName;
    std::string manufacturer;
    std::string vidPid;
};

// The class of serial and parallel ports, GUID_DEVCLASS_PORTS; spelt out here because the
// header's constant is only defined where initguid.h came first.
constexpr GUID kPortsClass = {0x4d36e978, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

std::wstring DeviceProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
    wchar_t buffer[512] = {};
    DWORD type = 0;
    // One byte less than the buffer: a value without its terminator still ends in one.
    if (!SetupDiGetDeviceRegistryPropertyW(set, &device, property, &type, reinterpret_cast<BYTE*>(buffer),
                                           sizeof buffer - sizeof(wchar_t), nullptr) ||
        (type != REG_SZ && type != REG_MULTI_SZ))
        return {};
    return buffer;  // of a list of strings, the first
}

// "1a86:7523" out of a hardware id such as USB\VID_1A86&PID_7523&REV_0264 or
// FTDIBUS\COMPORT&VID_0403&PID_6001, in the lower case that Linux shows.
std::string VidPidOf(const std::wstring& hardwareId) {
    auto field = [&](const wchar_t* tag) -> std::string {
        const size_t at = hardwareId.find(tag);
        if (at == std::wstring::npos || hardwareId.size() < at + 8) return {};
        std::string hex;
        for (size_t i = at + 4; i < at + 8; ++i) {
            const wchar_t c = hardwareId[i];
            if (!std::iswxdigit(c)) return {};
            hex += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        return hex;
    };
    const std::string vid = field(L"VID_"), pid = field(L"PID_");
    return vid.empty() || pid.empty() ? std::string() : vid + ":" + pid;
}

std::vector<ListedPort> PortsOfDeviceList() {
    std::vector<ListedPort> out;
    HDEVINFO set = SetupDiGetClassDevsW(&kPortsClass, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) return out;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &device); ++i) {
        // The port's name lives in the device's own registry key.
        HKEY key = SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_QUERY_VALUE);
        if (key == INVALID_HANDLE_VALUE) continue;
        wchar_t name[64] = {};
        DWORD bytes = sizeof name - sizeof(wchar_t);
        DWORD type = 0;
        const LONG r =
            RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE*>(name), &bytes);
        RegCloseKey(key);
        if (r != ERROR_SUCCESS || type != REG_SZ || _wcsnicmp(name, L"LPT", 3) == 0) continue;  // printers
        ListedPort port;
        port.name = Utf8Of(name, wcsnlen(name, bytes / sizeof(wchar_t)));
        const std::wstring friendly = DeviceProperty(set, device, SPDRP_FRIENDLYNAME);
        port.friendlyName = Utf8Of(friendly.c_str(), friendly.size());
        // The system's own drivers give "(Standard port types)", in the system's language: no maker.
        const std::wstring maker = DeviceProperty(set, device, SPDRP_MFG);
        if (!maker.empty() && maker.front() != L'(') port.manufacturer = Utf8Of(maker.c_str(), maker.size());
        port.vidPid = VidPidOf(DeviceProperty(set, device, SPDRP_HARDWAREID));
        if (!port.name.empty()) out.push_back(std::move(port));
    }
    SetupDiDestroyDeviceInfoList(set);
    return out;
}

}  // namespace

std::vector<SerialDeviceInfo> ListSerialDevices(const DeviceRoots&) {
    const std::vector<ListedPort> listed = PortsOfDeviceList();
    std::vector<std::string> names;
    for (const ListedPort& port : listed) names.push_back(port.name);
    AddRegisteredPorts(names);
    AddDosDevicePorts(names);
    // COM ports by number, then other names; each once, whatever its case.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int na = ComNumber(a), nb = ComNumber(b);
        if ((na > 0) != (nb > 0)) return na > 0;
        if (na != nb) return na < nb;
        return _stricmp(a.c_str(), b.c_str()) < 0;
    });
    names.erase(std::unique(names.begin(), names.end(),
                            [](const std::string& a, const std::string& b) {
                                return _stricmp(a.c_str(), b.c_str()) == 0;
                            }),
                names.end());
    std::vector<SerialDeviceInfo> out;
    for (const std::string& name : names) {
        SerialDeviceInfo info;
        const int n = ComNumber(name);
        info.path = n > 0 ? "COM" + name.substr(3) : name;
        if (n >= 1 && n <= kPortNumberMax) info.numbered = NumberedPort{PortType::Com, n};
        for (const ListedPort& port : listed) {
            if (_stricmp(port.name.c_str(), name.c_str()) != 0) continue;
            info.product = port.friendlyName;
            info.manufacturer = port.manufacturer;
            info.vidPid = port.vidPid;
            break;
        }
        out.push_back(std::move(info));
    }
    return out;
}

SerialLink::SerialLink() : impl_(std::make_unique<Impl>()) {}

SerialLink::~SerialLink() {
    Close();
}

bool SerialLink::IsOpen() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->handle != INVALID_HANDLE_VALUE && !impl_->closing;
}

bool SerialLink::Open(const std::string& path, int32_t baud, int32_t readTotalMs, int32_t readIntervalMs) {
    openError_ = {PortFault::None, path, {}, {}, {}};
    auto refuse = [&](PortFault fault, DWORD error) {
        openError_.fault = fault;
        openError_.systemText = SystemText(error);
        return false;
    };
    if (!detail::OpenArgumentsValid(baud, readTotalMs, readIntervalMs))
        return refuse(PortFault::Other, ERROR_INVALID_PARAMETER);
    std::lock_guard lock(impl_->mutex);
    if (impl_->handle != INVALID_HANDLE_VALUE || impl_->closing) return refuse(PortFault::Other, ERROR_BUSY);
    bool busy = false;
    HANDLE claim = ClaimPort(path, busy);
    if (busy) return refuse(PortFault::Busy, ERROR_SHARING_VIOLATION);

    // The plain name first, then the device-prefixed one (ports above 9 only open that way).
    // The second answer counts unless it only says the name is unknown.
    DWORD error = 0;
    HANDLE h = OpenHandle(path, error);
    if (h == INVALID_HANDLE_VALUE && path.rfind("\\\\.\\", 0) != 0) {
        DWORD prefixedError = 0;
        h = OpenHandle("\\\\.\\" + path, prefixedError);
        if (FaultOfOpenError(prefixedError) != PortFault::NoDevice) error = prefixedError;
    }
    if (h == INVALID_HANDLE_VALUE) {
        if (claim) CloseHandle(claim);
        return refuse(error == kNotCharacterDevice ? PortFault::NotSerial : FaultOfOpenError(error), error);
    }
    if (!Configure(h, baud, readTotalMs, readIntervalMs)) {
        error = GetLastError();
        CloseHandle(h);
        if (claim) CloseHandle(claim);
        // A character device that takes none of the port calls (NUL, a console) is no serial port.
        const bool notSerial = error == ERROR_INVALID_FUNCTION || error == ERROR_NOT_SUPPORTED ||
                               error == ERROR_INVALID_HANDLE || error == ERROR_INVALID_PARAMETER;
        return refuse(notSerial ? PortFault::NotSerial : PortFault::Other, error);
    }
    // The results are not looked at: some adapters have no such lines.
    EscapeCommFunction(h, SETDTR);
    EscapeCommFunction(h, SETRTS);
    impl_->handle = h;
    impl_->claim = claim;
    return true;
}

bool SerialLink::Close() {
    std::unique_lock lock(impl_->mutex);
    if (impl_->handle == INVALID_HANDLE_VALUE || impl_->closing) return false;
    impl_->closing = true;
    // A read under way ends within its total time-out; new operations are refused meanwhile.
    impl_->idle.wait(lock, [&] { return impl_->users == 0; });
    HANDLE h = impl_->handle;
    EscapeCommFunction(h, CLRDTR);
    EscapeCommFunction(h, CLRRTS);
    PurgeComm(h, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
    CloseHandle(h);
    if (impl_->claim) CloseHandle(impl_->claim);
    impl_->claim = nullptr;
    impl_->handle = INVALID_HANDLE_VALUE;
    impl_->closing = false;
    return true;
}

void SerialLink::Purge() {
    Impl::Use use(*impl_);
    if (use) PurgeComm(use.handle, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
}

void SerialLink::Write(const uint8_t* data, size_t count) {
    // Frames are at most a few dozen bytes; anything larger than one call takes is not ours.
    if (!data || count == 0 || count > std::numeric_limits<DWORD>::max()) return;
    Impl::Use use(*impl_);
    if (!use) return;
    DWORD written = 0;
    WriteFile(use.handle, data, static_cast<DWORD>(count), &written, nullptr);
}

size_t SerialLink::Read(uint8_t* buf, size_t cap) {
    if (!buf || cap == 0) return 0;
    Impl::Use use(*impl_);
    if (!use) return 0;
    DWORD got = 0;
    const DWORD limited = static_cast<DWORD>(std::min<size_t>(cap, std::numeric_limits<DWORD>::max()));
    if (!ReadFile(use.handle, buf, limited, &got, nullptr)) return 0;
    return std::min<size_t>(got, cap);
}

}  // namespace brenvox
