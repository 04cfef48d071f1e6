#include "operation/operation_destinations.h"

#include "files/writable_path.h"

namespace brenvox {

std::optional<DestinationFault> CheckDestinations(const OperationRequest& request) {
    struct Wanted {
        Destination destination;
        std::string path;
    };
    const bool program = request.mode == OperationMode::Program;
    const bool read = request.mode == OperationMode::Read;
    const Wanted wanted[] = {
        {Destination::Trace, request.tracePath},
        {Destination::Backup, program ? request.backupImagePath : ""},
        {Destination::ReadSettings, read ? request.readSettingsPath : ""},
        {Destination::ReadImage, read ? request.readImagePath : ""},
        {Destination::Archive, request.archiveDir},
    };
    for (const Wanted& w : wanted) {
        if (w.path.empty()) continue;
        const std::optional<std::string> why = w.destination == Destination::Archive
                                                   ? UnwritableFolderReason(w.path)
                                                   : UnwritableFileReason(w.path);
        if (why) return DestinationFault{w.destination, w.path, *why};
    }
    return std::nullopt;
}

}  // namespace brenvox
