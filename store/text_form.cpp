#include "store/text_form.h"

namespace {

// Bytes of the valid UTF-8 sequence at p (left bytes remain), 0 when none starts there: no overlong
// forms, no surrogates, nothing above U+10FFFF, as a strict decoder takes it.
std::size_t Utf8SequenceLength(const unsigned char* p, std::size_t left)
{
    const unsigned char lead = p[0];
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (left < length || p[1] < low || p[1] > high) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (p[k] < 0x80 || p[k] > 0xBF) return 0;
    }
    return length;
}

bool StartsWith(const std::string& bytes, const char* mark, std::size_t length)
{
    return bytes.compare(0, length, mark, length) == 0;
}

}  // namespace

TextForm DetectTextForm(const std::string& bytes)
{
    if (StartsWith(bytes, "\xEF\xBB\xBF", 3)) return TextForm::Utf8WithMark;
    if (StartsWith(bytes, "\xFF\xFE", 2)) return TextForm::Utf16LeWithMark;
    if (StartsWith(bytes, "\xFE\xFF", 2)) return TextForm::Utf16BeWithMark;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    bool multiByte = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = Utf8SequenceLength(p + i, bytes.size() - i);
        if (length == 0) return TextForm::ShiftJis;
        multiByte = multiByte || length > 1;
        i += length;
    }
    return multiByte ? TextForm::Utf8 : TextForm::ShiftJis;
}

std::size_t MarkLength(TextForm form)
{
    switch (form) {
    case TextForm::Utf8WithMark:
        return 3;
    case TextForm::Utf16LeWithMark:
    case TextForm::Utf16BeWithMark:
        return 2;
    default:
        return 0;
    }
}

std::string WithCrLfLineEnds(const std::string& text)
{
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) result += '\r';
        result += text[i];
    }
    return result;
}
