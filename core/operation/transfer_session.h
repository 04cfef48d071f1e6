#pragma once
// One transfer session as the GUI, the CLI and the bench all run it: the port opened with the
// link's settings, both images prepared, and after a Read the module PIN check and the decode.
// Each of these steps exists once, here, so the three callers cannot drift apart.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "codec/image_codec.h"
#include "link/module_identity.h"
#include "link/serial_link.h"
#include "link/transfer.h"
#include "operation/operation_request.h"
#include "settings/module_settings.h"

namespace brenvox {

// Opens the module's port with the link's settings (link::kBaud and the read time-outs): the
// device path when the choice names one, else the type and number of the main window's boxes;
// or a device path alone. The refusals are those of SerialLink::Open.
bool OpenModulePort(SerialLink& link, const PortChoice& port);
bool OpenModulePort(SerialLink& link, const std::string& devicePath);

// Encodes both images into the state before a transfer; the engine picks one after identify.
void PrepareImages(TransferState& state, const ModuleSettings& s);

// Asked only when the read module has a PIN: the text entered (UTF-8), or nothing when the user
// cancelled or no PIN was given.
using PinPrompt = std::function<std::optional<std::string>()>;

struct ModuleReadout {
    ModuleSettings settings;
    ModuleVersion version;
};

// After a successful Read: the module PIN check, then the image decoded with the module's
// version over `base` (the image replaces every setting it holds). Without a PIN in the module
// the prompt is not asked. With one, the entered text must be exactly the module's four PIN
// bytes in code page 1250; a text that code page cannot hold never matches. Nothing when the PIN
// is refused (or when the state's module version is none a successful Read can come from).
std::optional<ModuleReadout> AcceptReadImage(const TransferState& state, const PinPrompt& askPin,
                                             ModuleSettings base = {});

// After a compare that found differences: the settings that differ between the program's (or the
// file's) and the module's, as "Label: in the program -> in the module". The file's settings go through the
// module version's image first: what the module cannot hold (comments, texts of unused events, a second
// output code on 1.0) would otherwise be listed as a difference on every compare.
std::vector<std::string> CompareReportLines(const ModuleSettings& file, const ModuleReadout& module);

}  // namespace brenvox
