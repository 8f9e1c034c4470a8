// Draws the program's icon: a blue rounded square bearing a white letter T, in four images
// (32x32 at 24 bits with a transparency mask; 48x48, 128x128 and 256x256 at 32 bits with alpha).
// The two large images are stored PNG-compressed, as Windows Vista and later read them.
// Usage: icongen OUTPUT.ico        Build: g++ -std=c++20 -O2 icongen.cpp -lz -o icongen
#include <zlib.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

struct Rgba {
    double r, g, b, a;
};

bool insideRoundedSquare(double x, double y) {
    constexpr double margin = 0.04, radius = 0.2;
    const double lo = margin + radius, hi = 1.0 - margin - radius;
    const double cx = std::fmin(std::fmax(x, lo), hi);
    const double cy = std::fmin(std::fmax(y, lo), hi);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

bool insideLetterT(double x, double y) {
    const bool bar = x >= 0.2 && x <= 0.8 && y >= 0.2 && y <= 0.37;
    const bool stem = x >= 0.415 && x <= 0.585 && y >= 0.2 && y <= 0.82;
    return bar || stem;
}

// y runs from the top (0) to the bottom (1).
Rgba shade(int px, int py, int size) {
    constexpr int samples = 4;
    double square = 0, letter = 0;
    for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
            const double x = (px + (sx + 0.5) / samples) / size;
            const double y = (py + (sy + 0.5) / samples) / size;
            if (insideRoundedSquare(x, y)) {
                square += 1;
                if (insideLetterT(x, y)) letter += 1;
            }
        }
    }
    const double n = samples * samples;
    if (square == 0) return {0, 0, 0, 0};
    const double t = static_cast<double>(py) / size;  // a gentle top-to-bottom gradient
    const double blueR = 0x33 + (0x14 - 0x33) * t, blueG = 0x80 + (0x4C - 0x80) * t,
                 blueB = 0xF0 + (0xC0 - 0xF0) * t;
    const double white = letter / square;
    return {blueR + (255 - blueR) * white, blueG + (255 - blueG) * white,
            blueB + (255 - blueB) * white, 255.0 * square / n};
}

void put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void put32(std::vector<std::uint8_t>& out, unsigned v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::vector<std::uint8_t> image(int size, int bits) {
    std::vector<std::uint8_t> out;
    const int rowBytes = ((size * bits / 8) + 3) & ~3;
    const int maskRowBytes = ((size + 31) / 32) * 4;
    put32(out, 40);
    put32(out, static_cast<unsigned>(size));
    put32(out, static_cast<unsigned>(size * 2));  // colour image and mask
    put16(out, 1);
    put16(out, static_cast<unsigned>(bits));
    put32(out, 0);
    put32(out, static_cast<unsigned>(rowBytes * size + maskRowBytes * size));
    for (int i = 0; i < 4; ++i) put32(out, 0);
    std::vector<std::uint8_t> mask;
    for (int row = size - 1; row >= 0; --row) {  // bottom-up
        std::vector<std::uint8_t> line(static_cast<std::size_t>(rowBytes), 0);
        std::vector<std::uint8_t> maskLine(static_cast<std::size_t>(maskRowBytes), 0);
        for (int col = 0; col < size; ++col) {
            const Rgba c = shade(col, row, size);
            const std::size_t at = static_cast<std::size_t>(col * bits / 8);
            line[at] = static_cast<std::uint8_t>(std::lround(c.b));
            line[at + 1] = static_cast<std::uint8_t>(std::lround(c.g));
            line[at + 2] = static_cast<std::uint8_t>(std::lround(c.r));
            if (bits == 32) line[at + 3] = static_cast<std::uint8_t>(std::lround(c.a));
            if (c.a < 128)
                maskLine[static_cast<std::size_t>(col / 8)] |=
                    static_cast<std::uint8_t>(0x80 >> (col % 8));
        }
        out.insert(out.end(), line.begin(), line.end());
        mask.insert(mask.end(), maskLine.begin(), maskLine.end());
    }
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}

void putBig32(std::vector<std::uint8_t>& out, unsigned v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void pngChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& data) {
    putBig32(out, static_cast<unsigned>(data.size()));
    std::vector<std::uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    putBig32(out, static_cast<unsigned>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
}

std::vector<std::uint8_t> png(int size) {
    std::vector<std::uint8_t> raw;
    for (int row = 0; row < size; ++row) {
        raw.push_back(0);  // no filter
        for (int col = 0; col < size; ++col) {
            const Rgba c = shade(col, row, size);
            for (double v : {c.r, c.g, c.b, c.a})
                raw.push_back(static_cast<std::uint8_t>(std::lround(v)));
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9);
    packed.resize(packedSize);

    std::vector<std::uint8_t> out{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<std::uint8_t> header;
    putBig32(header, static_cast<unsigned>(size));
    putBig32(header, static_cast<unsigned>(size));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits per channel, RGBA
    pngChunk(out, "IHDR", header);
    pngChunk(out, "IDAT", packed);
    pngChunk(out, "IEND", {});
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen OUTPUT.ico\n");
        return 2;
    }
    const int sizes[] = {32, 48, 128, 256};
    const int bits[] = {24, 32, 32, 32};
    std::vector<std::vector<std::uint8_t>> images;
    for (int i = 0; i < 4; ++i)
        images.push_back(sizes[i] >= 128 ? png(sizes[i]) : image(sizes[i], bits[i]));

    std::vector<std::uint8_t> file;
    put16(file, 0);
    put16(file, 1);
    put16(file, 4);
    unsigned offset = 6 + 16 * 4;
    for (int i = 0; i < 4; ++i) {
        file.push_back(static_cast<std::uint8_t>(sizes[i] == 256 ? 0 : sizes[i]));
        file.push_back(static_cast<std::uint8_t>(sizes[i] == 256 ? 0 : sizes[i]));
        file.push_back(0);
        file.push_back(0);
        put16(file, 1);
        put16(file, static_cast<unsigned>(bits[i]));
        put32(file, static_cast<unsigned>(images[static_cast<std::size_t>(i)].size()));
        put32(file, offset);
        offset += static_cast<unsigned>(images[static_cast<std::size_t>(i)].size());
    }
    for (const auto& img : images) file.insert(file.end(), img.begin(), img.end());
    std::ofstream(argv[1], std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
    return 0;
}
