#include "report/reportjson.h"

#include "report/designsheet.h"
#include "report/reportpage.h"

#include <array>
#include <cstdint>

namespace velmora {

namespace {

constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kFirstNonAscii = 0x80;
constexpr std::string_view kHexDigits = "0123456789abcdef";

std::string unicodeEscape(unsigned code) {
    std::string escape = "\\u00";
    escape += kHexDigits[(code >> 4) & 0xF];
    escape += kHexDigits[code & 0xF];
    return escape;
}

// The UTF-8 encoding of a code point below 0x100.
std::string latin1AsUtf8(unsigned char byte) {
    return {static_cast<char>(0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence starting at text[i], or 0 when it is not one
// (overlong forms, surrogates and code points above U+10FFFF are not valid).
std::size_t utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if (!isContinuation(next))
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    constexpr std::array<std::uint32_t, 5> kSmallestCode{0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < kSmallestCode[length] || surrogate || code > 0x10FFFF)
        return 0;
    return length;
}

void appendEscapedAscii(std::string& out, unsigned char c) {
    switch (c) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\b':
        out += "\\b";
        return;
    case '\f':
        out += "\\f";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        if (c < kFirstPrintable)
            out += unicodeEscape(c);
        else
            out += static_cast<char>(c);
    }
}

void appendOp(std::string& out, const DrawOp& op) {
    out += "{\"op\": ";
    out += jsonString(drawOpName(op.kind));
    const auto field = [&out](std::string_view name, int value) {
        out += ", \"";
        out += name;
        out += "\": ";
        out += std::to_string(value);
    };
    switch (op.kind) {
    case DrawOpKind::Brush:
        break;
    case DrawOpKind::Rectangle:
        field("x1", op.x1);
        field("y1", op.y1);
        field("x2", op.x2);
        field("y2", op.y2);
        break;
    case DrawOpKind::TextOut:
        field("x", op.x1);
        field("y", op.y1);
        out += ", \"text\": ";
        out += jsonString(op.text);
        break;
    case DrawOpKind::MoveTo:
    case DrawOpKind::LineTo:
        field("x", op.x1);
        field("y", op.y1);
        break;
    }
    out += '}';
}

} // namespace

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < kFirstNonAscii) {
            appendEscapedAscii(out, c);
            ++i;
        } else if (const std::size_t length = utf8SequenceLength(text, i); length > 0) {
            out += text.substr(i, length);
            i += length;
        } else {
            out += latin1AsUtf8(c);
            ++i;
        }
    }
    return out + '"';
}

std::string drawListJson(std::span<const DrawOp> ops, int width, int height) {
    std::string out = "{\"width\": " + std::to_string(width) +
                      ", \"height\": " + std::to_string(height) + ", \"ops\": [";
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (i > 0)
            out += ", ";
        appendOp(out, ops[i]);
    }
    return out + "]}";
}

std::string reportDrawListJson(const ResultsRun& run, int stageGridRowCount,
                               const FormatSettings& settings, const DesignSheet* designSheet) {
    RecordingCanvas canvas;
    DrawReportPage(canvas, run, stageGridRowCount, settings);
    const int pageHeight = reportPageHeight(run, stageGridRowCount);
    if (!designSheet)
        return drawListJson(canvas.ops(), kReportPageWidth, pageHeight);
    drawDesignSheet(canvas, run, *designSheet, settings, pageHeight);
    return drawListJson(canvas.ops(), kReportPageWidth, pageHeight + kDesignSheetHeight);
}

} // namespace velmora
