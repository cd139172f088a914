#pragma once

#include <string>

namespace svdb {

// The program's version record, shown by the about window.
struct VersionInfo {
    int major = 1;
    int minor = 0;
    int revision = 0;
    const char* legalNotice = "Copyright (C) 2026 SVDB developers";
    const char* comments = "Starvane のデッキを組み、調べ、試すためのプログラムです。";
};

// "Version " major "." minor "." revision "β".
std::string VersionCaption(const VersionInfo& info);

}  // namespace svdb
