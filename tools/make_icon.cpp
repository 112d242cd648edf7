// Draws the wizard's icon, a printer with a sheet going in at the top and a printed sheet
// coming out at the front, and writes it as an icon file with a 32 x 32 and a 16 x 16
// image of 16 colours each (pages/res/setup.ico). Built with the host preset:
//   build/native/make_icon pages/res/setup.ico
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// The 16 colours of the standard Windows palette, as red, green, blue.
const uint8_t kPalette[16][3] = {
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
};

constexpr int kTransparent = -1;
constexpr int kBlack = 0, kLightGrey = 7, kDarkGrey = 8, kGreen = 10, kBlue = 12, kWhite = 15;

class Image {
public:
    explicit Image(int size) : m_size(size), m_pixels(size * size, kTransparent) {}
    int size() const { return m_size; }
    int at(int x, int y) const { return m_pixels[y * m_size + x]; }

    void Fill(int x0, int y0, int x1, int y1, int colour) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) m_pixels[y * m_size + x] = colour;
    }
    // A black outline around a filled inside.
    void Box(int x0, int y0, int x1, int y1, int inside) {
        Fill(x0, y0, x1, y1, kBlack);
        Fill(x0 + 1, y0 + 1, x1 - 1, y1 - 1, inside);
    }
    void Line(int x0, int x1, int y, int colour) { Fill(x0, y, x1, y, colour); }

private:
    int m_size;
    std::vector<int> m_pixels;
};

Image Large() {
    Image image(32);
    image.Box(9, 1, 22, 11, kWhite);  // the sheet going in
    image.Line(11, 19, 4, kDarkGrey);
    image.Line(11, 17, 6, kDarkGrey);
    image.Line(11, 19, 8, kDarkGrey);
    image.Box(2, 10, 29, 24, kLightGrey);  // the body
    image.Line(3, 28, 11, kWhite);
    image.Fill(3, 20, 28, 23, kDarkGrey);
    image.Fill(24, 13, 25, 14, kGreen);  // the power light
    image.Line(5, 26, 19, kBlack);       // the output slot
    image.Box(7, 19, 24, 30, kWhite);    // the printed sheet
    image.Line(9, 20, 22, kBlue);
    image.Line(9, 18, 24, kBlue);
    image.Line(9, 21, 26, kBlue);
    image.Line(9, 16, 28, kBlue);
    return image;
}

Image Small() {
    Image image(16);
    image.Box(4, 0, 11, 6, kWhite);
    image.Line(6, 9, 2, kDarkGrey);
    image.Line(6, 8, 4, kDarkGrey);
    image.Box(1, 5, 14, 12, kLightGrey);
    image.Line(2, 13, 6, kWhite);
    image.Fill(2, 10, 13, 11, kDarkGrey);
    image.Fill(12, 7, 12, 7, kGreen);
    image.Line(3, 12, 10, kBlack);
    image.Box(4, 10, 11, 15, kWhite);
    image.Line(6, 9, 12, kBlue);
    image.Line(6, 8, 14, kBlue);
    return image;
}

void Put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(v & 0xFF);
    out.push_back(v >> 8);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xFF);
}

// One image as the icon file holds it: the bitmap header (twice the height, for the colour
// bits and the mask), the palette, the colour bits and the mask, rows bottom-up and padded
// to four bytes.
std::vector<uint8_t> Encode(const Image& image) {
    const int n = image.size();
    const int colourRow = (n / 2 + 3) / 4 * 4;
    const int maskRow = (n / 8 + 3) / 4 * 4;
    std::vector<uint8_t> out;
    Put32(out, 40);
    Put32(out, n);
    Put32(out, 2 * n);
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, 0);
    Put32(out, (colourRow + maskRow) * n);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 16);
    Put32(out, 0);
    for (const auto& rgb : kPalette) {
        out.push_back(rgb[2]);
        out.push_back(rgb[1]);
        out.push_back(rgb[0]);
        out.push_back(0);
    }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<uint8_t> row(colourRow, 0);
        for (int x = 0; x < n; ++x) {
            int colour = image.at(x, y);
            uint8_t index = colour == kTransparent ? 0 : static_cast<uint8_t>(colour);
            row[x / 2] |= x % 2 ? index : static_cast<uint8_t>(index << 4);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskRow, 0);
        for (int x = 0; x < n; ++x)
            if (image.at(x, y) == kTransparent) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
        return 2;
    }
    const std::vector<uint8_t> images[] = {Encode(Large()), Encode(Small())};
    const int sizes[] = {32, 16};

    std::vector<uint8_t> file;
    Put16(file, 0);
    Put16(file, 1);  // an icon
    Put16(file, 2);
    uint32_t offset = 6 + 2 * 16;
    for (int i = 0; i < 2; ++i) {
        file.push_back(static_cast<uint8_t>(sizes[i]));
        file.push_back(static_cast<uint8_t>(sizes[i]));
        file.push_back(16);  // colours
        file.push_back(0);
        Put16(file, 1);  // planes
        Put16(file, 4);  // bits per pixel
        Put32(file, static_cast<uint32_t>(images[i].size()));
        Put32(file, offset);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());

    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    if (std::fclose(out) != 0 || !written) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
