#pragma once
// What a module's identify reply says about it, in one place: the phone its type is made for,
// the image version it takes, and whether the program supports it at all. The engine, the
// progress log, the probe and the archive all ask here.
#include <cstdint>
#include <optional>
#include <string_view>

#include "codec/image_codec.h"
#include "link/transfer.h"

namespace brenvox {

// "Nokia3330, 3410" for type 1, "Nokia5110" for type 2; empty for any other type, which carries
// no description.
std::string_view ModuleTypeName(uint8_t moduleType);

// The image version the module's identify reply asks for: 1.0 or 1.1; nothing for any other.
std::optional<ModuleVersion> ModuleVersionOf(const ModuleInfo& info);

// False for what a transfer ends as UnsupportedModule: type 3, or a version without an image.
bool ModuleSupported(const ModuleInfo& info);

}  // namespace brenvox
