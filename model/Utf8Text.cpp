#include "Utf8Text.h"

namespace {
bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

std::size_t CharCount(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        if (!IsContinuationByte(c)) ++n;
    return n;
}

std::string FirstChars(std::string_view text, std::size_t n) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuationByte(text[i])) {
            if (seen == n) return std::string(text.substr(0, i));
            ++seen;
        }
    }
    return std::string(text);
}

std::string TrimBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

namespace {
// The length of the well-formed UTF-8 sequence at text[i], or 0 where there is none.
std::size_t SequenceAt(std::string_view text, std::size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t length = c < 0x80           ? 1
                               : (c >> 5) == 0x6  ? 2
                               : (c >> 4) == 0xE  ? 3
                               : (c >> 3) == 0x1E ? 4
                                                  : 0;
    if (length == 0 || i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
    return length;
}
}  // namespace

bool ValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = SequenceAt(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string EscapedUtf8(std::string_view bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size();) {
        if (const std::size_t length = SequenceAt(bytes, i)) {
            text += bytes.substr(i, length);
            i += length;
            continue;
        }
        static const char digits[] = "0123456789ABCDEF";
        const auto c = static_cast<unsigned char>(bytes[i++]);
        text += {'\\', 'x', digits[c >> 4], digits[c & 15]};
    }
    return text;
}
