#include "text/LineWriter.h"

#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"

namespace svdb {

void LineWriter::add(std::string_view utf8Line) {
    bool lineLossless = true;
    ShiftJisCodec::encodeAppend(utf8Line, bytes_, &lineLossless);
    bytes_ += "\r\n";
    lossless_ = lossless_ && lineLossless;
    ++lines_;
}

bool LineWriter::writeTo(const std::string& path) const {
    return WriteFileBytes(path, bytes_);
}

}  // namespace svdb
