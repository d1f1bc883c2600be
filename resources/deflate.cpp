#include "deflate.h"

#include <algorithm>
#include <array>

namespace icon {
namespace {

constexpr std::array<int, 29> kLengthBase{3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                          31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase{1,   2,   3,   4,   5,   7,    9,    13,   17,   25,
                                            33,  49,  65,  97,  129, 193,  257,  385,  513,  769,
                                            1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra{0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                             6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr int kWindow = 32768;
constexpr int kMaxChain = 256;
constexpr int kHashBits = 15;

class BitWriter {
public:
    // Plain values go least significant bit first.
    void Bits(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) Bit((value >> i) & 1u);
    }
    // Huffman codes go most significant bit first.
    void Code(std::uint32_t code, int length) {
        for (int i = length - 1; i >= 0; --i) Bit((code >> i) & 1u);
    }
    std::vector<std::uint8_t> Finish() {
        if (used_ > 0) bytes_.push_back(current_);
        used_ = 0;
        current_ = 0;
        return std::move(bytes_);
    }

private:
    void Bit(std::uint32_t bit) {
        current_ |= static_cast<std::uint8_t>(bit << used_);
        if (++used_ == 8) {
            bytes_.push_back(current_);
            current_ = 0;
            used_ = 0;
        }
    }
    std::vector<std::uint8_t> bytes_;
    std::uint8_t current_ = 0;
    int used_ = 0;
};

void LiteralOrLength(BitWriter& out, int symbol) {
    if (symbol < 144) out.Code(0x30 + symbol, 8);
    else if (symbol < 256) out.Code(0x190 + symbol - 144, 9);
    else if (symbol < 280) out.Code(symbol - 256, 7);
    else out.Code(0xC0 + symbol - 280, 8);
}

void Match(BitWriter& out, int length, int distance) {
    int l = static_cast<int>(kLengthBase.size()) - 1;
    while (kLengthBase[l] > length) --l;
    LiteralOrLength(out, 257 + l);
    out.Bits(length - kLengthBase[l], kLengthExtra[l]);
    int d = static_cast<int>(kDistanceBase.size()) - 1;
    while (kDistanceBase[d] > distance) --d;
    out.Code(d, 5);
    out.Bits(distance - kDistanceBase[d], kDistanceExtra[d]);
}

std::uint32_t Hash(const std::uint8_t* p) {
    const std::uint32_t v = p[0] | (p[1] << 8) | (p[2] << 16);
    return (v * 2654435761u) >> (32 - kHashBits);
}

}  // namespace

std::uint32_t Adler32(std::span<const std::uint8_t> data) {
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

std::vector<std::uint8_t> ZlibCompress(std::span<const std::uint8_t> data) {
    const int n = static_cast<int>(data.size());
    const std::uint8_t* bytes = data.data();
    std::vector<int> head(std::size_t{1} << kHashBits, -1);
    std::vector<int> previous(static_cast<std::size_t>(n), -1);
    auto insert = [&](int at) {
        if (at + kMinMatch > n) return;
        const std::uint32_t h = Hash(bytes + at);
        previous[at] = head[h];
        head[h] = at;
    };
    auto longest = [&](int at, int& distance) {
        int best = 0;
        if (at + kMinMatch > n) return best;
        const int limit = std::min(kMaxMatch, n - at);
        int chain = kMaxChain;
        for (int candidate = head[Hash(bytes + at)]; candidate >= 0 && at - candidate <= kWindow && chain-- > 0;
             candidate = previous[candidate]) {
            int length = 0;
            while (length < limit && bytes[candidate + length] == bytes[at + length]) ++length;
            if (length > best) {
                best = length;
                distance = at - candidate;
                if (length == limit) break;
            }
        }
        return best >= kMinMatch ? best : 0;
    };

    BitWriter out;
    out.Bits(1, 1);  // BFINAL
    out.Bits(1, 2);  // BTYPE 01: fixed Huffman codes
    int at = 0;
    while (at < n) {
        int distance = 0;
        const int length = longest(at, distance);
        // One step of lazy matching: a longer match at the next byte wins over this one.
        int nextDistance = 0;
        if (length > 0 && length < kMaxMatch && at + 1 < n) {
            insert(at);
            const int next = longest(at + 1, nextDistance);
            if (next > length) {
                LiteralOrLength(out, bytes[at]);
                ++at;
                continue;  // `at` is already in the hash chains
            }
            for (int i = 1; i < length; ++i) insert(at + i);
            Match(out, length, distance);
            at += length;
        } else if (length > 0) {
            for (int i = 0; i < length; ++i) insert(at + i);
            Match(out, length, distance);
            at += length;
        } else {
            insert(at);
            LiteralOrLength(out, bytes[at]);
            ++at;
        }
    }
    LiteralOrLength(out, 256);  // end of block

    std::vector<std::uint8_t> stream{0x78, 0x9C};  // deflate, 32 KB window, default level
    const std::vector<std::uint8_t> body = out.Finish();
    stream.insert(stream.end(), body.begin(), body.end());
    const std::uint32_t adler = Adler32(data);
    for (int shift = 24; shift >= 0; shift -= 8) stream.push_back(static_cast<std::uint8_t>(adler >> shift));
    return stream;
}

}  // namespace icon
