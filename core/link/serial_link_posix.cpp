// SerialLink on POSIX: termios for the line settings, poll() with millisecond deadlines for the
// read time-outs (VTIME counts in tenths of a second, too coarse for the 10 ms interval), a wake
// pipe so that a close interrupts a waiting read at once.
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <optional>

#include "link/deadline.h"
#include "link/serial_link.h"
#include "link/serial_link_detail.h"

namespace brenvox {

namespace {

// A driver that never drains its output would otherwise hold the worker (and a close waiting
// for it) for ever; no frame of ours needs more than a few milliseconds on the wire.
constexpr int kWriteLimitMs = 2000;

speed_t StandardSpeed(int32_t baud) {
    switch (baud) {
        case 110:
            return B110;
        case 300:
            return B300;
        case 600:
            return B600;
        case 1200:
            return B1200;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        case 230400:
            return B230400;
        default:
            return B0;
    }
}

void CloseFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

PortFault FaultOfOpenError(int error) {
    switch (error) {
        case ENOENT:
        case ENXIO:
        case ENODEV:
        case ENOTDIR:
            return PortFault::NoDevice;
        case EACCES:
        case EPERM:
        case EROFS:
            return PortFault::AccessDenied;
        case EBUSY:  // another opener set the exclusive mode
            return PortFault::Busy;
        case EISDIR:
            return PortFault::NotSerial;
        default:
            return PortFault::Other;
    }
}

// Serial devices belong to a group (dialout on most systems) whose members may open them; a
// user outside it is told which group to join.
void DescribeAccess(const std::string& path, PortOpenError& error) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IRWXG) != 0) {
        if (const group* g = ::getgrgid(st.st_gid); g && g->gr_name) error.ownerGroup = g->gr_name;
    }
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name) error.userName = pw->pw_name;
}

}  // namespace

struct SerialLink::Impl {
    std::mutex mutex;
    std::condition_variable idle;
    int fd = -1;
    int wakeRead = -1;
    int wakeWrite = -1;
    int users = 0;         // reads, writes and purges in progress
    bool closing = false;  // a close waits for the users to leave
    int32_t totalMs = 200;
    int32_t intervalMs = 10;

    // An operation's hold on the port: the descriptor stays valid (not closed and reused)
    // while it is held.
    struct Use {
        Impl& impl;
        int fd = -1, wake = -1;
        int32_t totalMs = 0, intervalMs = 0;
        explicit Use(Impl& i) : impl(i) {
            std::lock_guard lock(impl.mutex);
            if (impl.fd < 0 || impl.closing) return;
            ++impl.users;
            fd = impl.fd;
            wake = impl.wakeRead;
            totalMs = impl.totalMs;
            intervalMs = impl.intervalMs;
        }
        ~Use() {
            if (fd < 0) return;
            std::lock_guard lock(impl.mutex);
            if (--impl.users == 0) impl.idle.notify_all();
        }
        explicit operator bool() const { return fd >= 0; }
    };
};

std::string PortDevicePath(PortType type, int portNumber) {
    if (portNumber < 1) return {};
    const std::string index = std::to_string(portNumber - 1);
    switch (type) {
        case PortType::Com:
            return "/dev/ttyS" + index;
        case PortType::Usb:
            return "/dev/ttyUSB" + index;
        case PortType::Irda:
            return "/dev/ircomm" + index;
    }
    return {};
}

namespace {

namespace fs = std::filesystem;

// The first line of a sysfs attribute; empty when the attribute is not there.
std::string Attribute(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    if (!in || !std::getline(in, line)) return {};
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.pop_back();
    return line;
}

bool IsWithin(const fs::path& path, const fs::path& top) {
    const std::string p = path.string(), t = top.string();
    return p.size() > t.size() && p.compare(0, t.size(), t) == 0 && p[t.size()] == '/';
}

// The USB device a tty hangs on, where it hangs on one: a ttyUSB's device is the usb-serial
// port, whose parent is the interface, whose parent is the device; a ttyACM's device is the
// interface itself. Three steps at most, so that a link whose radio sits on a USB dongle (an
// rfcomm under its hci) is not taken for the dongle.
std::optional<fs::path> UsbDeviceOf(const fs::path& deviceLink, const fs::path& sysRoot) {
    std::error_code ec;
    fs::path dir = fs::canonical(deviceLink, ec);
    if (ec) return std::nullopt;
    const fs::path top = fs::weakly_canonical(sysRoot, ec);
    for (int step = 0; step < 3 && IsWithin(dir, top); ++step, dir = dir.parent_path())
        if (fs::exists(dir / "idVendor", ec)) return dir;
    return std::nullopt;
}

// /dev/serial/by-id names a device after its adapter, so that it keeps its name whichever tty
// number the system gives it: each link there by the device it points at.
std::map<std::string, std::string> NamesById(const fs::path& devRoot) {
    std::map<std::string, std::string> byDevice;
    std::error_code ec;
    std::vector<fs::path> links;
    for (fs::directory_iterator it(devRoot / "serial" / "by-id", ec), end; !ec && it != end; it.increment(ec))
        if (it->is_symlink(ec)) links.push_back(it->path());
    std::sort(links.begin(), links.end());
    for (const fs::path& link : links) {
        const fs::path target = fs::weakly_canonical(link, ec);
        if (!ec) byDevice.emplace(target.string(), link.string());
    }
    return byDevice;
}

// ttyS2 before ttyS10: runs of digits compare by their value.
bool NaturalLess(const std::string& a, const std::string& b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) &&
            std::isdigit(static_cast<unsigned char>(b[j]))) {
            size_t ei = i, ej = j;
            while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei]))) ++ei;
            while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej]))) ++ej;
            // Without their leading zeros the longer run is the larger number.
            const std::string_view da = std::string_view(a).substr(i, ei - i),
                                   db = std::string_view(b).substr(j, ej - j);
            const std::string_view na = da.substr(std::min(da.find_first_not_of('0'), da.size()));
            const std::string_view nb = db.substr(std::min(db.find_first_not_of('0'), db.size()));
            if (na.size() != nb.size()) return na.size() < nb.size();
            if (na != nb) return na < nb;
            i = ei;
            j = ej;
            continue;
        }
        if (a[i] != b[j]) return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j || (a.size() - i == b.size() - j && a < b);
}

bool IsRfcomm(const std::string& name) {
    return name.size() > 6 && name.compare(0, 6, "rfcomm") == 0 &&
           std::all_of(name.begin() + 6, name.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

}  // namespace

std::vector<SerialDeviceInfo> ListSerialDevices(const DeviceRoots& roots) {
    // /sys/class/tty lists every tty, whatever its driver calls it (ttyS, ttyUSB, ttyACM, ttyAMA,
    // ttyXRUSB, ttyCH341USB, ...); those backed by hardware have a "device" link. A Bluetooth
    // link (rfcomm) has none and is taken by its name.
    std::vector<SerialDeviceInfo> out;
    const fs::path sys = roots.sys, dev = roots.dev;
    std::error_code ec;
    const std::map<std::string, std::string> byId = NamesById(dev);
    for (fs::directory_iterator it(sys / "class" / "tty", ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const fs::path entry = it->path();
        std::error_code probe;
        const bool hasDevice = fs::exists(entry / "device", probe);
        const bool rfcomm = IsRfcomm(name);
        if (!hasDevice && !rfcomm) continue;
        // A UART slot the serial driver keeps although no chip answered there reports the type
        // PORT_UNKNOWN (0): nothing to talk to.
        if (const std::string type = Attribute(entry / "type"); !type.empty() && std::atoi(type.c_str()) == 0)
            continue;
        SerialDeviceInfo info;
        info.path = (dev / name).string();
        info.numbered = NumberedPortOf("/dev/" + name);
        if (rfcomm) {
            const std::string address = Attribute(entry / "address");
            info.product = address.empty() ? "Bluetooth" : "Bluetooth " + address;
        } else if (const std::optional<fs::path> usb = UsbDeviceOf(entry / "device", sys)) {
            info.product = Attribute(*usb / "product");
            info.manufacturer = Attribute(*usb / "manufacturer");
            info.serial = Attribute(*usb / "serial");
            const std::string vendor = Attribute(*usb / "idVendor"), product = Attribute(*usb / "idProduct");
            if (!vendor.empty() && !product.empty()) info.vidPid = vendor + ":" + product;
        }
        if (auto named = byId.find(fs::weakly_canonical(dev / name, probe).string()); named != byId.end())
            info.byId = named->second;
        out.push_back(std::move(info));
    }
    std::sort(out.begin(), out.end(), [](const SerialDeviceInfo& a, const SerialDeviceInfo& b) {
        return NaturalLess(a.path, b.path);
    });
    return out;
}

SerialLink::SerialLink() : impl_(std::make_unique<Impl>()) {}

SerialLink::~SerialLink() {
    Close();
}

bool SerialLink::IsOpen() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->fd >= 0 && !impl_->closing;
}

bool SerialLink::Open(const std::string& path, int32_t baud, int32_t readTotalMs, int32_t readIntervalMs) {
    openError_ = {PortFault::None, path, {}, {}, {}};
    // The system's words for errno, and the fault the user is told about.
    auto refuse = [&](PortFault fault, int error) {
        openError_.fault = fault;
        if (error != 0) openError_.systemText = std::strerror(error);
        if (fault == PortFault::AccessDenied) DescribeAccess(path, openError_);
        return false;
    };
    if (!detail::OpenArgumentsValid(baud, readTotalMs, readIntervalMs))
        return refuse(PortFault::Other, EINVAL);
    std::lock_guard lock(impl_->mutex);
    if (impl_->fd >= 0 || impl_->closing) return refuse(PortFault::Other, EALREADY);

    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return refuse(FaultOfOpenError(errno), errno);
    bool exclusive = false;  // TIOCEXCL set by us, to be cleared again on a failure
    auto fail = [&](PortFault fault, int error) {
        if (exclusive) ::ioctl(fd, TIOCNXCL);
        CloseFd(fd);
        return refuse(fault, error);
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0) return fail(PortFault::Other, errno);
    if (!S_ISCHR(st.st_mode)) return fail(PortFault::NotSerial, 0);
    // No sharing: the flock refuses a second opener whoever it is; TIOCEXCL also keeps out
    // programs that do not take the lock (it does not bind root). The exclusive mode is only
    // taken once the lock is ours, and only then cleared on a failure: a refused opener must
    // not clear the holder's.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        return fail(error == EWOULDBLOCK ? PortFault::Busy : PortFault::Other, error);
    }
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {  // a character device that is no terminal
        const int error = errno;
        return fail(error == ENOTTY || error == EINVAL ? PortFault::NotSerial : PortFault::Other, error);
    }
    exclusive = ::ioctl(fd, TIOCEXCL) == 0;

    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_iflag &=
        ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | ISTRIP | IGNBRK | BRKINT | PARMRK | IGNPAR);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    const speed_t speed = StandardSpeed(baud);
    bool customSpeed = false;
    if (speed != B0) {
        ::cfsetispeed(&tio, speed);
        ::cfsetospeed(&tio, speed);
    } else {
        customSpeed = true;  // set after the rest, through the driver's free-rate interface
    }
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) return fail(PortFault::Other, errno);
    if (customSpeed && !detail::SetCustomBaud(fd, baud)) return fail(PortFault::Other, errno);
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) return fail(PortFault::Other, errno);
    // Raised for the module's level converter; a pseudo-terminal has no such lines, so the
    // results are not looked at.
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd, TIOCMBIS, &lines);

    impl_->fd = fd;
    impl_->wakeRead = pipeFds[0];
    impl_->wakeWrite = pipeFds[1];
    impl_->totalMs = readTotalMs;
    impl_->intervalMs = readIntervalMs;
    return true;
}

bool SerialLink::Close() {
    std::unique_lock lock(impl_->mutex);
    if (impl_->fd < 0 || impl_->closing) return false;
    impl_->closing = true;
    const char wake = 1;
    [[maybe_unused]] ssize_t ignored = ::write(impl_->wakeWrite, &wake, 1);
    impl_->idle.wait(lock, [&] { return impl_->users == 0; });

    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(impl_->fd, TIOCMBIC, &lines);
    ::tcflush(impl_->fd, TCIOFLUSH);
    ::ioctl(impl_->fd, TIOCNXCL);
    CloseFd(impl_->fd);
    CloseFd(impl_->wakeRead);
    CloseFd(impl_->wakeWrite);
    impl_->closing = false;
    return true;
}

void SerialLink::Purge() {
    Impl::Use use(*impl_);
    if (use) ::tcflush(use.fd, TCIOFLUSH);
}

void SerialLink::Write(const uint8_t* data, size_t count) {
    if (!data || count == 0) return;
    Impl::Use use(*impl_);
    if (!use) return;
    const int64_t end = MonotonicMs() + kWriteLimitMs;
    size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(use.fd, data + done, count - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) return;  // device gone
        const int64_t left = end - MonotonicMs();
        if (left <= 0) return;
        pollfd fds[2] = {{use.fd, POLLOUT, 0}, {use.wake, POLLIN, 0}};
        if (::poll(fds, 2, static_cast<int>(left)) < 0 && errno != EINTR) return;
        if (fds[1].revents) return;  // closing
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) return;
    }
}

size_t SerialLink::Read(uint8_t* buf, size_t cap) {
    if (!buf || cap == 0) return 0;
    Impl::Use use(*impl_);
    if (!use) return 0;
    ReadDeadline deadline(MonotonicUs(), use.totalMs, use.intervalMs);
    size_t got = 0;
    while (got < cap) {
        const int64_t wait = deadline.WaitUs(MonotonicUs());
        if (wait == 0) break;
        pollfd fds[2] = {{use.fd, POLLIN, 0}, {use.wake, POLLIN, 0}};
        // ppoll: a microsecond time-out, where poll would round every wait up to whole ms.
        timespec ts{static_cast<time_t>(wait / 1000000), static_cast<long>(wait % 1000000) * 1000};
        const int r = ::ppoll(fds, 2, wait < 0 ? nullptr : &ts, nullptr);
        if (r < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (fds[1].revents) break;  // the port is being closed
        if (fds[0].revents & POLLIN) {
            const ssize_t n = ::read(use.fd, buf + got, cap - got);
            if (n > 0) {
                got += static_cast<size_t>(n);
                deadline.BytesArrived(MonotonicUs());
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
            break;  // end of file or error: the device went away
        }
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) break;
    }
    return got;
}

}  // namespace brenvox
