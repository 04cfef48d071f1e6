#include "link/port_fault.h"

namespace brenvox {

std::string PortFaultLine(const PortOpenError& error, const std::vector<SerialDeviceInfo>& present) {
    const std::string& device = error.device;
    switch (error.fault) {
        case PortFault::None:
            return {};
        case PortFault::NotChosen:
            return "Nie wybrano numeru portu - wybierz go na stronie 8.Moduł.";
        case PortFault::NoDevice: {
            std::string line = "Port " + device + " nie istnieje. ";
            if (present.empty())
                return line + "Nie wykryto żadnego portu szeregowego - sprawdź podłączenie kabla.";
            line += "Dostępne porty: ";
            for (size_t i = 0; i < present.size(); ++i) line += (i ? ", " : "") + present[i].path;
            return line + ".";
        }
        case PortFault::Busy:
            return "Port " + device + " jest zajęty przez inny program - zamknij go i powtórz.";
        case PortFault::AccessDenied:
            // Where devices belong to a group, joining it is the lasting cure; the system reads
            // a user's groups when the user logs in.
            if (!error.ownerGroup.empty() && !error.userName.empty())
                return "Brak uprawnień do portu " + device + " - dodaj użytkownika do grupy " +
                       error.ownerGroup + " poleceniem: sudo usermod -a -G " + error.ownerGroup + " " +
                       error.userName + " (działa od następnego zalogowania).";
            return "Brak uprawnień do portu " + device + ".";
        case PortFault::NotSerial:
            return device + " nie jest portem szeregowym.";
        case PortFault::Other:
            break;
    }
    std::string line = "Nie można otworzyć portu " + device;
    if (!error.systemText.empty()) line += ": " + error.systemText;
    return line + ".";
}

}  // namespace brenvox
