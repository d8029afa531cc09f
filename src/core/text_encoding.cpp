#include "core/text_encoding.h"

#include <optional>

namespace corvane {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

template <typename Emit>
void DecodeWide(const std::wstring& text, Emit emit) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = static_cast<char32_t>(text[i]);
        if constexpr (sizeof(wchar_t) == 2) {
            if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
                const char32_t low = static_cast<char32_t>(text[i + 1]);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    ++i;
                }
            }
        }
        if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
            cp = kReplacement;
        }
        emit(cp);
    }
}

// What a lead byte of UTF-8 starts: its continuation bytes, and the range
// its first continuation byte must fall in. The ranges shut out overlong
// forms, surrogates and code points above U+10FFFF at the second byte, so
// every invalid sequence is cut at its longest valid start.
struct LeadByte {
    int continuations;
    unsigned char secondLow;
    unsigned char secondHigh;
};

std::optional<LeadByte> LeadOf(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return LeadByte{1, 0x80, 0xBF};
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return LeadByte{2, static_cast<unsigned char>(lead == 0xE0 ? 0xA0 : 0x80),
                        static_cast<unsigned char>(lead == 0xED ? 0x9F : 0xBF)};
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return LeadByte{3, static_cast<unsigned char>(lead == 0xF0 ? 0x90 : 0x80),
                        static_cast<unsigned char>(lead == 0xF4 ? 0x8F : 0xBF)};
    }
    return std::nullopt;  // a continuation byte, C0, C1 or F5-FF
}

void AppendWide(std::wstring& out, char32_t cp) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
            return;
        }
    }
    out.push_back(static_cast<wchar_t>(cp));
}

}  // namespace

std::string ToUtf8(const std::wstring& text) {
    std::string out;
    DecodeWide(text, [&out](char32_t cp) {
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    });
    return out;
}

std::wstring FromUtf8(const std::string& bytes) {
    std::wstring out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out.push_back(static_cast<wchar_t>(lead));
            ++i;
            continue;
        }
        const std::optional<LeadByte> form = LeadOf(lead);
        if (!form) {
            AppendWide(out, kReplacement);
            ++i;
            continue;
        }
        char32_t cp = lead & (0x7F >> (form->continuations + 1));
        std::size_t j = i + 1;
        int taken = 0;
        for (; taken < form->continuations && j < bytes.size(); ++taken, ++j) {
            const unsigned char next = static_cast<unsigned char>(bytes[j]);
            const unsigned char low = taken == 0 ? form->secondLow : 0x80;
            const unsigned char high = taken == 0 ? form->secondHigh : 0xBF;
            if (next < low || next > high) {
                break;
            }
            cp = (cp << 6) | (next & 0x3F);
        }
        // A sequence cut short is replaced as far as it was valid; the byte
        // that cut it is read again as the start of the next.
        AppendWide(out, taken == form->continuations ? cp : kReplacement);
        i = j;
    }
    return out;
}

std::u16string ToUtf16(const std::wstring& text) {
    std::u16string out;
    DecodeWide(text, [&out](char32_t cp) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    });
    return out;
}

std::wstring FromUtf16(const std::u16string& units) {
    std::wstring out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t cp = units[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
        }
        AppendWide(out, cp);
    }
    return out;
}

}  // namespace corvane
