#pragma once

#include <optional>
#include <string_view>

#include "model/format.h"

// The bytes of a data file as a stream of fields. A line end separates fields exactly as a comma
// does; blanks and tabs before a field are skipped. A field that starts with a double quote runs to
// the next double quote, with no escapes, and whatever follows it up to the separator is dropped.
// Any other field runs to the next comma or line end, without its trailing blanks.
//
// CP932 never uses the bytes of the quote, comma, blank, tab, CR or LF inside a double-byte
// character, so the file is split as bytes before any text is decoded. The reader takes tens of
// thousands of fields from a file, so this class is kept inline.
class FieldStream {
public:
    explicit FieldStream(std::string_view bytes) : bytes_(bytes) {}

    // The next field without its quotes; nothing at the end of the file.
    std::optional<std::string_view> next() {
        while (at_ < bytes_.size() && isBlank(bytes_[at_])) ++at_;
        if (at_ >= bytes_.size()) return std::nullopt;
        if (bytes_[at_] == '"') {
            const size_t start = ++at_;
            while (at_ < bytes_.size() && bytes_[at_] != '"') ++at_;
            const std::string_view field = bytes_.substr(start, at_ - start);
            if (at_ < bytes_.size()) skipPastSeparator();
            return field;
        }
        const size_t start = at_;
        while (at_ < bytes_.size() && !isSeparator(bytes_[at_])) ++at_;
        size_t end = at_;
        while (end > start && isBlank(bytes_[end - 1])) --end;
        skipPastSeparator();
        return bytes_.substr(start, end - start);
    }

    // The next field as its value when it is a quoted plain decimal (" 12.5", the form of every reading
    // the program writes); nothing, with the stream left as it was, for any other field.
    std::optional<double> nextQuotedDecimal() {
        size_t at = at_;
        while (at < bytes_.size() && isBlank(bytes_[at])) ++at;
        if (at >= bytes_.size() || bytes_[at] != '"') return std::nullopt;
        size_t numberStart = at + 1;
        while (numberStart < bytes_.size() && isBlank(bytes_[numberStart])) ++numberStart;
        const std::optional<Format::PlainDecimal> number = Format::plainDecimal(bytes_.substr(numberStart));
        if (!number) return std::nullopt;
        const size_t close = numberStart + number->length;
        if (close >= bytes_.size() || bytes_[close] != '"') return std::nullopt;
        at_ = close + 1;
        skipPastSeparator();
        return number->value;
    }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t'; }
    static bool isSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }

    // Moves past the next comma or line end (CR LF, CR or LF).
    void skipPastSeparator() {
        while (at_ < bytes_.size() && !isSeparator(bytes_[at_])) ++at_;
        if (at_ >= bytes_.size()) return;
        const char separator = bytes_[at_++];
        if (separator == '\r' && at_ < bytes_.size() && bytes_[at_] == '\n') ++at_;
    }

    std::string_view bytes_;
    size_t at_ = 0;
};
