#pragma once
// A sysfs and /dev tree laid out as the kernel lays out its own, with the serial devices a
// field machine may carry: a USB FTDI adapter (ttyUSB0: tty -> usb-serial port -> interface ->
// USB device) with its /dev/serial/by-id link, a CDC-ACM device (ttyACM0: tty -> interface ->
// USB device), a board's UART (ttyAMA0), a Bluetooth link (rfcomm0, no device link), an empty
// UART slot (ttyS3, type 0) and a virtual console (tty1, no device). The device nodes are empty
// files: listing never opens them.
#include <filesystem>
#include <fstream>
#include <string>

namespace brenvox::test {

struct FakeSysfs {
    std::filesystem::path sys, dev;

    explicit FakeSysfs(const std::filesystem::path& root) : sys(root / "sys"), dev(root / "dev") {
        namespace fs = std::filesystem;
        const fs::path usb = sys / "devices/pci0000:00/0000:00:14.0/usb1";
        const fs::path ftdi = usb / "1-2";
        Attributes(ftdi, {{"idVendor", "0403"},
                          {"idProduct", "6001"},
                          {"manufacturer", "FTDI"},
                          {"product", "FT232R USB UART"},
                          {"serial", "A10KXQ9Z"}});
        const fs::path port = ftdi / "1-2:1.0/ttyUSB0";
        Tty("ttyUSB0", port / "tty/ttyUSB0", port);
        const fs::path pico = usb / "1-3";
        Attributes(pico, {{"idVendor", "2e8a"}, {"idProduct", "000a"}, {"product", "Pico"}});
        Tty("ttyACM0", pico / "1-3:1.0/tty/ttyACM0", pico / "1-3:1.0");
        const fs::path uart = sys / "devices/platform/soc/fe201000.serial";
        Tty("ttyAMA0", uart / "tty/ttyAMA0", uart);
        Attributes(uart / "tty/ttyAMA0", {{"type", "32"}});
        const fs::path slots = sys / "devices/platform/serial8250";
        Tty("ttyS3", slots / "tty/ttyS3", slots);
        Attributes(slots / "tty/ttyS3", {{"type", "0"}});
        Tty("rfcomm0", sys / "devices/virtual/tty/rfcomm0", {});
        Attributes(sys / "devices/virtual/tty/rfcomm0", {{"address", "00:1a:7d:da:71:13"}, {"channel", "1"}});
        Tty("tty1", sys / "devices/virtual/tty/tty1", {});
        fs::create_directories(dev / "serial/by-id");
        fs::create_symlink("../../ttyUSB0",
                           dev / "serial/by-id/usb-FTDI_FT232R_USB_UART_A10KXQ9Z-if00-port0");
    }

    std::string ByIdOfFtdi() const {
        return (dev / "serial/by-id/usb-FTDI_FT232R_USB_UART_A10KXQ9Z-if00-port0").string();
    }

private:
    static void Attributes(const std::filesystem::path& dir,
                           std::initializer_list<std::pair<const char*, const char*>> values) {
        std::filesystem::create_directories(dir);
        for (const auto& [name, value] : values) std::ofstream(dir / name) << value << '\n';
    }
    // The class entry links to the tty's folder, whose "device" links to the hardware (none for
    // a virtual tty); the node itself lies in /dev.
    void Tty(const std::string& name, const std::filesystem::path& folder,
             const std::filesystem::path& device) {
        namespace fs = std::filesystem;
        fs::create_directories(folder);
        fs::create_directories(sys / "class/tty");
        fs::create_symlink(folder, sys / "class/tty" / name);
        if (!device.empty()) fs::create_directory_symlink(device, folder / "device");
        fs::create_directories(dev);
        std::ofstream(dev / name).put('\0');
    }
};

}  // namespace brenvox::test
