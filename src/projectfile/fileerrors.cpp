#include "projectfile/projectfile.h"

#include <utility>

namespace velmora {

FileOpenError::FileOpenError(std::string reason)
    : std::runtime_error("The file could not be opened"), reason_(std::move(reason)) {}

FileWriteError::FileWriteError(std::string reason)
    : std::runtime_error("The file could not be written"), reason_(std::move(reason)) {}

} // namespace velmora
