#include "operation/operation_request.h"

namespace brenvox {

OperationStatus OperationResult::status() const {
    if (refusal) return OperationStatus::SettingsRefused;
    const bool transferred = portOpened && !backupUnread && outcome == LinkOutcome::Success && !pinRefused;
    // A trace that could not be written counts only where nothing else failed: a transfer that
    // failed is what the user must hear of first. A trace that could not even be made stopped the
    // operation before its port was tried, and so is its failure.
    const bool portTried = portOpened || portError.fault != PortFault::None;
    if (fileFault && (fileFault->file != OperationFile::Trace || transferred || !portTried))
        return OperationStatus::FileFailed;
    return transferred ? OperationStatus::Succeeded : OperationStatus::TransferFailed;
}

}  // namespace brenvox
