#include "operation/port_texts.h"

namespace brenvox {

std::string PortFaultLine(const PortOpenError& error, const std::vector<SerialDeviceInfo>& present,
                          PortRetry retry) {
    const std::string& device = error.device;
    switch (error.fault) {
        case PortFault::None:
            return {};
        case PortFault::NotChosen:
            return std::string(Tr(BRENVOX_TEXT("Nie wybrano numeru portu - wybierz go na stronie 8.Moduł.")));
        case PortFault::NoDevice: {
            if (present.empty())
                return TrFormat(BRENVOX_TEXT("Port %1 nie istnieje. Nie wykryto żadnego portu szeregowego - "
                                             "sprawdź podłączenie kabla."),
                                {device});
            std::string list;
            for (size_t i = 0; i < present.size(); ++i) list += (i ? ", " : "") + present[i].path;
            return TrFormat(BRENVOX_TEXT("Port %1 nie istnieje. Dostępne porty: %2."), {device, list});
        }
        case PortFault::Busy:
            if (retry == PortRetry::CloseWindow)
                return TrFormat(BRENVOX_TEXT("Port %1 jest zajęty przez inny program - zamknij to okno "
                                             "i tamten program, potem uruchom operację ponownie."),
                                {device});
            return TrFormat(BRENVOX_TEXT("Port %1 jest zajęty przez inny program - zamknij go i powtórz."),
                            {device});
        case PortFault::AccessDenied:
            // Where devices belong to a group, joining it is the lasting cure; the system reads
            // a user's groups when the user logs in.
            if (!error.ownerGroup.empty() && !error.userName.empty())
                return TrFormat(
                    BRENVOX_TEXT("Brak uprawnień do portu %1 - dodaj użytkownika do grupy %2 poleceniem: "
                                 "sudo usermod -a -G %2 %3 (działa od następnego zalogowania)."),
                    {device, error.ownerGroup, error.userName});
            return TrFormat(BRENVOX_TEXT("Brak uprawnień do portu %1."), {device});
        case PortFault::NotSerial:
            return TrFormat(BRENVOX_TEXT("%1 nie jest portem szeregowym."), {device});
        case PortFault::Other:
            break;
    }
    if (error.systemText.empty()) return TrFormat(BRENVOX_TEXT("Nie można otworzyć portu %1."), {device});
    return TrFormat(BRENVOX_TEXT("Nie można otworzyć portu %1: %2."), {device, error.systemText});
}

std::string DeviceDescription(const SerialDeviceInfo& device) {
    std::string out;
    auto add = [&out](const std::string& part) {
        if (part.empty()) return;
        if (!out.empty()) out += ", ";
        out += part;
    };
    add(device.product);
    add(device.manufacturer);
    if (!device.serial.empty()) add(TrFormat(BRENVOX_TEXT("nr seryjny %1"), {device.serial}));
    if (!device.vidPid.empty()) add("USB " + device.vidPid);
    add(device.byId);
    return out;
}

}  // namespace brenvox
