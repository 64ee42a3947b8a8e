// Draws the program's window icon (32 x 32, 16 colours) and the 16 x 16
// true-colour glyph of the home-page command, and writes them as res/*.ico
// and res/*.bmp. Run once by hand when the pictures change:
//   g++ -std=c++20 tools/draw_icons.cpp -o build/draw_icons && build/draw_icons res
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Rgb {
  std::uint8_t r, g, b;
};

// The standard 16-colour palette.
const Rgb kPalette[16] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                          {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                          {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                          {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
enum { Black = 0, DarkGreen = 2, Navy = 4, Teal = 6, Silver = 7, Grey = 8, Green = 10, Yellow = 11,
       Blue = 12, Cyan = 14, White = 15 };

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<std::uint8_t>& out, unsigned v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void PutInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bits, unsigned imageSize) {
  Put32(out, 40);
  Put32(out, width);
  Put32(out, height);
  Put16(out, 1);
  Put16(out, bits);
  Put32(out, 0);
  Put32(out, imageSize);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, bits == 4 ? 16 : 0);
  Put32(out, 0);
}

void Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
    std::perror(path.c_str());
    std::exit(1);
  }
  std::fclose(f);
}

// A framed landscape: sky, sun, two hills.
int IconPixel(int x, int y) {
  if (x == 0 || y == 0 || x == 31 || y == 31) return Black;
  if (x <= 2 || y <= 2 || x >= 29 || y >= 29) return x + y < 32 ? White : Grey;
  if (x == 3 || y == 3 || x == 28 || y == 28) return Silver;
  int dx = x - 21, dy = y - 9;
  if (dx * dx + dy * dy <= 12) return Yellow;
  int hill1 = 18 + ((x - 10) * (x - 10)) / 12;
  int hill2 = 21 + ((x - 24) * (x - 24)) / 16;
  if (y >= hill2) return y > hill2 + 1 ? DarkGreen : Green;
  if (y >= hill1) return y > hill1 + 1 ? Teal : Green;
  return y < 12 ? Blue : Cyan;
}

std::vector<std::uint8_t> WindowIcon() {
  std::vector<std::uint8_t> out;
  const unsigned xorSize = 32 * 16, andSize = 32 * 4;
  const unsigned imageSize = 40 + 16 * 4 + xorSize + andSize;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, 1);
  out.insert(out.end(), {32, 32, 16, 0});
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, imageSize);
  Put32(out, 22);
  PutInfoHeader(out, 32, 64, 4, xorSize + andSize);
  for (const Rgb& c : kPalette) out.insert(out.end(), {c.b, c.g, c.r, 0});
  for (int y = 31; y >= 0; --y) {
    for (int x = 0; x < 32; x += 2) out.push_back(IconPixel(x, y) << 4 | IconPixel(x + 1, y));
  }
  out.insert(out.end(), andSize, 0);  // fully opaque
  return out;
}

// A small house on a light ground: the author's home page.
Rgb GlyphPixel(int x, int y) {
  const Rgb ground{236, 233, 216}, roof{196, 48, 40}, wall{250, 244, 228}, door{120, 78, 40},
      window{96, 160, 224}, line{64, 40, 32};
  int roofTop = 2, roofBottom = 8;
  if (y >= roofTop && y < roofBottom) {
    int half = (y - roofTop) + 1;
    if (x >= 8 - half && x < 8 + half) return (x == 8 - half || x == 7 + half) ? line : roof;
  }
  if (y >= roofBottom && y <= 14 && x >= 3 && x <= 12) {
    if (x == 3 || x == 12 || y == 14) return line;
    if (x >= 7 && x <= 8 && y >= 10) return door;
    if (x >= 4 && x <= 5 && y >= 9 && y <= 10) return window;
    if (x >= 10 && x <= 11 && y >= 9 && y <= 10) return window;
    return wall;
  }
  return ground;
}

std::vector<std::uint8_t> HomeGlyph() {
  std::vector<std::uint8_t> out;
  const unsigned rowSize = 16 * 3, imageSize = rowSize * 16;
  out.insert(out.end(), {'B', 'M'});
  Put32(out, 54 + imageSize);
  Put32(out, 0);
  Put32(out, 54);
  PutInfoHeader(out, 16, 16, 24, imageSize);
  for (int y = 15; y >= 0; --y) {
    for (int x = 0; x < 16; ++x) {
      Rgb c = GlyphPixel(x, y);
      out.insert(out.end(), {c.b, c.g, c.r});
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder = argc > 1 ? argv[1] : "res";
  Write(folder + "/tirvane.ico", WindowIcon());
  Write(folder + "/home_glyph.bmp", HomeGlyph());
  return 0;
}
