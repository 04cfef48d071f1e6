#include "operation/transfer_session.h"

#include "settings/cp1250.h"
#include "settings/setting_values.h"

namespace brenvox {

bool OpenModulePort(SerialLink& link, const PortChoice& port) {
    if (!port.device.empty()) return OpenModulePort(link, port.device);
    return link.Open(port.portType, port.portNumber, link::kBaud, link::kReadTotalMs, link::kReadIntervalMs);
}

bool OpenModulePort(SerialLink& link, const std::string& devicePath) {
    return link.Open(devicePath, link::kBaud, link::kReadTotalMs, link::kReadIntervalMs);
}

void PrepareImages(TransferState& state, const ModuleSettings& s) {
    state.images = EncodeImages(s);
}

namespace {
// The first PIN byte alone tells whether a PIN is set: the encoder writes all four or none.
bool ModuleHasPin(const ModuleImage& image) {
    return image[layout::kModulePinAddress] != 0;
}

bool PinMatches(const ModuleImage& image, const std::string& enteredUtf8) {
    const Cp1250Result entered = Utf8ToCp1250(enteredUtf8);
    if (!entered.ok || entered.bytes.size() != static_cast<size_t>(layout::kPinLength)) return false;
    for (int i = 0; i < layout::kPinLength; ++i)
        if (static_cast<uint8_t>(entered.bytes[static_cast<size_t>(i)]) !=
            image[layout::kModulePinAddress + i])
            return false;
    return true;
}
}  // namespace

std::optional<ModuleReadout> AcceptReadImage(const TransferState& state, const PinPrompt& askPin,
                                             ModuleSettings base) {
    const ModuleImage& image = state.readImage;
    if (ModuleHasPin(image)) {
        const std::optional<std::string> entered = askPin ? askPin() : std::nullopt;
        if (!entered || !PinMatches(image, *entered)) return std::nullopt;
    }
    const std::optional<ModuleVersion> version = ModuleVersionOf(state.moduleInfo.load());
    if (!version) return std::nullopt;
    DecodeImage(image, *version, base);
    return ModuleReadout{std::move(base), *version};
}

std::vector<std::string> CompareReportLines(const ModuleSettings& file, const ModuleReadout& module) {
    ModuleSettings fileAsModule;
    DecodeImage(EncodeImage(file, module.version), module.version, fileAsModule);
    return LabelledDifferenceLines(fileAsModule, module.settings);
}

}  // namespace brenvox
