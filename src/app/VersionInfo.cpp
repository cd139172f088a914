#include "app/VersionInfo.h"

namespace svdb {

std::string VersionCaption(const VersionInfo& info) {
    return "Version " + std::to_string(info.major) + "." + std::to_string(info.minor) + "." +
           std::to_string(info.revision) + "β";
}

}  // namespace svdb
