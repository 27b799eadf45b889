#pragma once

#include <optional>
#include <string_view>

// The bytes of a data file as a stream of fields. A line end separates fields exactly as a comma
// does; blanks and tabs before a field are skipped. A field that starts with a double quote runs to
// the next double quote, with no escapes, and whatever follows it up to the separator is dropped.
// Any other field runs to the next comma or line end, without its trailing blanks.
//
// CP932 never uses the bytes of the quote, comma, blank, tab, CR or LF inside a double-byte
// character, so the file is split as bytes before any text is decoded.
class FieldStream {
public:
    explicit FieldStream(std::string_view bytes) : bytes_(bytes) {}

    // The next field without its quotes; nothing at the end of the file.
    std::optional<std::string_view> next();

private:
    void skipPastSeparator();

    std::string_view bytes_;
    size_t at_ = 0;
};
