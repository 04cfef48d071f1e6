#pragma once
// Why a file or folder could not be made, in the user's language. The system's own text
// (std::error_code::message) is English whatever the user speaks, so the reasons people meet
// (a missing folder, no permission, a read-only disk, a full disk) are the program's own texts.
#include <string>
#include <system_error>

namespace brenvox {

// The reason, lower-case and without a final period, to follow a colon; the system's text for
// an error the program has no words of its own for.
std::string FileErrorText(const std::error_code& error);

}  // namespace brenvox
