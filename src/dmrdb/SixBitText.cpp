#include "dmrdb/SixBitText.h"

#include "dmrdb/Utf8Text.h"

#include <QTextBoundaryFinder>

#include <array>
#include <cstdint>
#include <cstring>

namespace nerka {

namespace {

// Code of every ASCII character, built once at compile time; a character
// outside the alphabet has code 0.
constexpr std::array<std::uint8_t, 128> kAsciiCodes = [] {
    std::array<std::uint8_t, 128> table{};
    for (int code = 0; code < 64; ++code)
        table[std::size_t(kSixBitAlphabet[code])] = std::uint8_t(code);
    return table;
}();

// Collects 6-bit codes and emits whole bytes, highest bits first.
class SixBitPacker {
public:
    SixBitPacker(unsigned char* out, int byteCount) : m_out(out), m_byteCount(byteCount) {}

    // Adds one code; false once the output is full.
    bool push(int code) {
        m_bits = (m_bits << 6) | std::uint32_t(code);
        m_bitCount += 6;
        if (m_bitCount >= 8) {
            m_out[m_written++] = static_cast<unsigned char>(m_bits >> (m_bitCount - 8));
            m_bitCount -= 8;
            m_bits &= (1u << m_bitCount) - 1;
        }
        return m_written < m_byteCount;
    }

    void finish() {
        if (m_written < m_byteCount && m_bitCount > 0)
            m_out[m_written++] = static_cast<unsigned char>(m_bits << (8 - m_bitCount));
        std::memset(m_out + m_written, 0, size_t(m_byteCount - m_written));
    }

    [[nodiscard]] bool full() const { return m_written >= m_byteCount; }

private:
    unsigned char* m_out;
    int m_byteCount;
    int m_written = 0;
    std::uint32_t m_bits = 0;
    int m_bitCount = 0;
};

void packClusters(const QString& text, SixBitPacker& packer) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype next = finder.toNextBoundary(); next != -1 && !packer.full();
         next = finder.toNextBoundary()) {
        packer.push(sixBitCode(QStringView(text).sliced(start, next - start)));
        start = next;
    }
}

} // namespace

int sixBitCode(QStringView cluster) {
    if (cluster.size() != 1)
        return 0;
    const char16_t c = cluster.front().unicode();
    return c < 128 ? kAsciiCodes[c] : 0;
}

namespace {

// True when every character is ASCII or a well-formed two-byte sequence below
// U+0300 (Latin-1 Supplement, Latin Extended-A and -B, IPA extensions and
// spacing modifier letters). None of these combines with a neighbour into one
// user-perceived character, so each is a cluster of its own, like ASCII.
bool isSimpleLatin(std::string_view text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        if (*p < 0x80) {
            ++p;
        } else if (*p >= 0xC2 && *p <= 0xCB && end - p >= 2 && (p[1] & 0xC0) == 0x80) {
            p += 2;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

void packSixBitUtf8(std::string_view text, unsigned char* out, int byteCount) {
    if (byteCount <= 0)
        return;
    SixBitPacker packer(out, byteCount);
    if (utf8::isAscii(text) || isSimpleLatin(text)) {
        // One cluster per character, except CR LF. Characters outside ASCII
        // are outside the alphabet: one space each.
        const auto* p = reinterpret_cast<const unsigned char*>(text.data());
        const auto* end = p + text.size();
        while (p < end && !packer.full()) {
            const unsigned char c = *p;
            if (c >= 0x80) {
                p += 2;
                packer.push(0);
                continue;
            }
            p += (c == '\r' && end - p >= 2 && p[1] == '\n') ? 2 : 1;
            packer.push(kAsciiCodes[c]);
        }
    } else {
        packClusters(QString::fromUtf8(text.data(), qsizetype(text.size())), packer);
    }
    packer.finish();
}

QByteArray packSixBit(const QString& text, int byteCount) {
    if (byteCount <= 0)
        return {};
    QByteArray out(byteCount, '\0');
    const QByteArray utf8 = text.toUtf8();
    packSixBitUtf8({utf8.constData(), size_t(utf8.size())},
                   reinterpret_cast<unsigned char*>(out.data()), byteCount);
    return out;
}

int unpackSixBitTo(const unsigned char* bytes, int byteCount, char* out) {
    std::uint32_t bits = 0;
    int bitCount = 0;
    int length = 0;
    for (int i = 0; i < byteCount; ++i) {
        bits = (bits << 8) | bytes[i];
        bitCount += 8;
        while (bitCount >= 6) {
            out[length++] = kSixBitAlphabet[(bits >> (bitCount - 6)) & 0x3F];
            bitCount -= 6;
            bits &= (1u << bitCount) - 1;
        }
    }
    while (length > 0 && out[length - 1] == ' ')
        --length;
    return length;
}

QByteArray unpackSixBit(QByteArrayView bytes) {
    QByteArray out(bytes.size() * 8 / 6, Qt::Uninitialized);
    const int length = unpackSixBitTo(reinterpret_cast<const unsigned char*>(bytes.data()),
                                      int(bytes.size()), out.data());
    out.truncate(length);
    return out;
}

} // namespace nerka
