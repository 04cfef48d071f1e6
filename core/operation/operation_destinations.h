#pragma once
// The files and the folder an operation will write, checked before its port is opened: a
// destination that cannot be written stops the operation before anything reaches the module,
// rather than after a whole transfer that then has nowhere to go. The runner still reports its
// own writes as they happen (a disk may fill up meanwhile).
#include <optional>
#include <string>

#include "operation/operation_request.h"

namespace brenvox {

enum class Destination { Trace, Backup, ReadImage, ReadSettings, Archive };

struct DestinationFault {
    Destination destination;
    std::string path;    // as the request names it
    std::string reason;  // why it cannot be written, in the user's language, no final period
};

// The first destination of the request (those its mode writes: the trace and the archive always,
// the backup for Program, the image and the settings for Read) that cannot be written: a file
// that is a folder or has no write permission, or whose folder is missing, is no folder or
// cannot be written in; an archive folder that is no folder or cannot be written in, or, when
// it is still to be made, whose nearest existing folder above it cannot. Nothing is left
// behind. Nothing when every destination can be written.
std::optional<DestinationFault> CheckDestinations(const OperationRequest& request);

}  // namespace brenvox
