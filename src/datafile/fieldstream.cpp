#include "datafile/fieldstream.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isSeparator(char c) {
    return c == ',' || c == '\r' || c == '\n';
}

}  // namespace

std::optional<std::string_view> FieldStream::next() {
    while (at_ < bytes_.size() && isBlank(bytes_[at_])) ++at_;
    if (at_ >= bytes_.size()) return std::nullopt;
    if (bytes_[at_] == '"') {
        const size_t start = at_ + 1;
        const size_t close = bytes_.find('"', start);
        if (close == std::string_view::npos) {
            at_ = bytes_.size();
            return bytes_.substr(start);
        }
        at_ = close + 1;
        skipPastSeparator();
        return bytes_.substr(start, close - start);
    }
    const size_t start = at_;
    while (at_ < bytes_.size() && !isSeparator(bytes_[at_])) ++at_;
    size_t end = at_;
    while (end > start && isBlank(bytes_[end - 1])) --end;
    skipPastSeparator();
    return bytes_.substr(start, end - start);
}

// Moves past the next comma or line end (CR LF, CR or LF).
void FieldStream::skipPastSeparator() {
    while (at_ < bytes_.size() && !isSeparator(bytes_[at_])) ++at_;
    if (at_ >= bytes_.size()) return;
    const char separator = bytes_[at_++];
    if (separator == '\r' && at_ < bytes_.size() && bytes_[at_] == '\n') ++at_;
}
