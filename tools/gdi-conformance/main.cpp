// Prints what a systematic set of GDI calls gives: regions as their box,
// complexity and rows, drawings as the pixels they changed, plain values as
// they are. One line a case: "call|arguments|result". The same source builds
// against our platform and, with MinGW-w64, against windows.h, so the two
// outputs can be compared line by line (compare.py).
#include <climits>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "compat.h"

namespace conformance {
namespace {

constexpr int kCanvas = 64;
constexpr std::uint32_t kBackground = 0x5A3C1E;

// Strings are built by appending: GCC 12 at -O3 reports a false overlap
// (-Wrestrict) in operator+ on a literal and a temporary.
std::string join(const std::vector<long long>& values) {
  std::string out;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i) out += ',';
    out += std::to_string(values[i]);
  }
  return out;
}

// Where the cases go: printed, or kept to be checked against recorded lines.
struct Out {
  bool print = true;
  std::vector<std::string> lines;
  void emit(const char* call, const std::vector<long long>& args, const std::string& result) {
    std::string line(call);
    line += '|';
    line += join(args);
    line += '|';
    line += result;
    if (print) std::printf("%s\n", line.c_str());
    else lines.push_back(std::move(line));
  }
};

// Rows with the same spans that touch are written as one run, so that how an
// implementation splits its bands does not show, only its pixel set.
std::string rows_text(const std::vector<Rows>& rows) {
  std::vector<Rows> merged;
  for (const Rows& r : rows) {
    if (!merged.empty() && merged.back().bottom == r.top && merged.back().spans == r.spans)
      merged.back().bottom = r.bottom;
    else merged.push_back(r);
  }
  std::string out;
  for (const Rows& r : merged) {
    out += std::to_string(r.top);
    out += '-';
    out += std::to_string(r.bottom);
    out += ':';
    for (std::size_t i = 0; i < r.spans.size(); ++i) {
      if (i) out += ',';
      out += std::to_string(r.spans[i].left);
      out += '-';
      out += std::to_string(r.spans[i].right);
    }
    out += ';';
  }
  return out;
}

std::string region_text(HRGN rgn) {
  if (!rgn) return "null";
  RECT box{};
  const int kind = GetRgnBox(rgn, &box);
  char head[96];
  std::snprintf(head, sizeof head, "box=%ld,%ld,%ld,%ld kind=%d rows=", static_cast<long>(box.left),
                static_cast<long>(box.top), static_cast<long>(box.right),
                static_cast<long>(box.bottom), kind);
  return head + rows_text(region_rows(rgn));
}

// The pixels of the canvas that are not the background, per colour.
std::string pixels_text(const Canvas& canvas) {
  std::vector<std::uint32_t> colors;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      const std::uint32_t c = canvas.at(x, y);
      bool known = c == kBackground;
      for (std::uint32_t k : colors) known = known || k == c;
      if (!known) colors.push_back(c);
    }
  std::string out;
  for (std::uint32_t color : colors) {
    std::vector<Rows> rows;
    for (int y = 0; y < canvas.height(); ++y) {
      Rows row{y, y + 1, {}};
      for (int x = 0; x < canvas.width(); ++x) {
        if (canvas.at(x, y) != color) continue;
        if (!row.spans.empty() && row.spans.back().right == x) ++row.spans.back().right;
        else row.spans.push_back({x, x + 1});
      }
      if (!row.spans.empty()) rows.push_back(row);
    }
    char head[16];
    std::snprintf(head, sizeof head, "%06X@", static_cast<unsigned>(color));
    out += head + rows_text(rows) + " ";
  }
  return out.empty() ? "none" : out;
}

const std::vector<int> kSizes = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 16, 21, 32, 121};
const std::vector<int> kCorners = {0, 1, 2, 3, 4, 6, 9, 12, 20, -5, 300};

void round_regions(Out& out) {
  for (int w : kSizes)
    for (int h : kSizes)
      for (int cw : kCorners)
        for (int ch : kCorners) {
          HRGN r = CreateRoundRectRgn(2, 3, 2 + w, 3 + h, cw, ch);
          out.emit("CreateRoundRectRgn", {2, 3, 2 + w, 3 + h, cw, ch}, region_text(r));
          DeleteObject(r);
        }
  // Inverted corners and negative coordinates.
  for (int w : {0, 3, 8, 11})
    for (int h : {0, 4, 9})
      for (int c : {0, 3, 6}) {
        HRGN r = CreateRoundRectRgn(-2 + w, 5 + h, -2, 5, c, c);
        out.emit("CreateRoundRectRgn", {-2 + w, 5 + h, -2, 5, c, c}, region_text(r));
        DeleteObject(r);
        r = CreateRoundRectRgn(-20, -30, -20 + w, -30 + h, c, c + 1);
        out.emit("CreateRoundRectRgn", {-20, -30, -20 + w, -30 + h, c, c + 1}, region_text(r));
        DeleteObject(r);
      }
}

void elliptic_regions(Out& out) {
  std::vector<int> sizes;
  for (int s = 0; s <= 24; ++s) sizes.push_back(s);
  for (int s : {31, 32, 33, 64, 121, 200}) sizes.push_back(s);
  for (int w : sizes)
    for (int h : sizes) {
      HRGN r = CreateEllipticRgn(2, 3, 2 + w, 3 + h);
      out.emit("CreateEllipticRgn", {2, 3, 2 + w, 3 + h}, region_text(r));
      DeleteObject(r);
    }
  for (int w : {0, 1, 5, 10})
    for (int h : {0, 2, 7}) {
      HRGN r = CreateEllipticRgn(-7 + w, -9 + h, -7, -9);
      out.emit("CreateEllipticRgn", {-7 + w, -9 + h, -7, -9}, region_text(r));
      DeleteObject(r);
    }
}

// Shapes drawn with the given pen (null or one pixel) and a solid brush.
template <class Draw>
void drawn_shapes(Out& out, const char* call, bool null_pen, const std::vector<int>& sizes,
                  Draw draw) {
  Canvas canvas(kCanvas, kCanvas);
  HBRUSH brush = CreateSolidBrush(0x00C08040);
  HPEN pen = null_pen ? to_pen(GetStockObject(NULL_PEN)) : CreatePen(PS_SOLID, 1, 0x000000FF);
  HGDIOBJ old_brush = SelectObject(canvas.dc(), brush);
  HGDIOBJ old_pen = SelectObject(canvas.dc(), pen);
  auto one = [&](int l, int t, int r, int b) {
    canvas.clear(kBackground);
    const BOOL ok = draw(canvas.dc(), l, t, r, b);
    out.emit(call, {null_pen ? 0 : 1, l, t, r, b}, std::to_string(ok) + " " + pixels_text(canvas));
  };
  for (int w : sizes)
    for (int h : sizes) one(2, 3, 2 + w, 3 + h);
  for (int w : {1, 4, 9}) {
    one(12 + w, 10 + w, 12, 10);      // inverted
    one(-5, -3, -5 + 2 * w, -3 + w);  // off the canvas on the top left
    one(60, 58, 60 + w, 58 + 2 * w);  // and on the bottom right
  }
  SelectObject(canvas.dc(), old_brush);
  SelectObject(canvas.dc(), old_pen);
  DeleteObject(brush);
  if (!null_pen) DeleteObject(pen);
}

void shapes(Out& out) {
  std::vector<int> sizes;
  for (int s = 0; s <= 20; ++s) sizes.push_back(s);
  for (int s : {31, 40, 57}) sizes.push_back(s);
  auto ellipse = [](HDC dc, int l, int t, int r, int b) { return Ellipse(dc, l, t, r, b); };
  auto rectangle = [](HDC dc, int l, int t, int r, int b) { return Rectangle(dc, l, t, r, b); };
  drawn_shapes(out, "Ellipse", true, sizes, ellipse);
  drawn_shapes(out, "Ellipse", false, sizes, ellipse);
  const std::vector<int> small = {0, 1, 2, 3, 4, 7};
  drawn_shapes(out, "Rectangle", true, small, rectangle);
  drawn_shapes(out, "Rectangle", false, small, rectangle);
}

// RoundRect with a null and a one-pixel pen: sizes from degenerate to large,
// corners from square past the box, inverted and off the canvas.
void round_rects(Out& out) {
  Canvas canvas(kCanvas, kCanvas);
  HBRUSH brush = CreateSolidBrush(0x00C08040);
  HPEN solid = CreatePen(PS_SOLID, 1, 0x000000FF);
  HGDIOBJ old_brush = SelectObject(canvas.dc(), brush);
  HGDIOBJ old_pen = SelectObject(canvas.dc(), solid);
  for (const bool null_pen : {true, false}) {
    SelectObject(canvas.dc(), null_pen ? to_pen(GetStockObject(NULL_PEN)) : solid);
    auto one = [&](int l, int t, int r, int b, int cw, int ch) {
      canvas.clear(kBackground);
      const BOOL ok = RoundRect(canvas.dc(), l, t, r, b, cw, ch);
      out.emit("RoundRect", {null_pen ? 0 : 1, l, t, r, b, cw, ch},
               std::to_string(ok) + " " + pixels_text(canvas));
    };
    for (int w : {0, 1, 2, 3, 4, 5, 7, 10, 16, 31, 57})
      for (int h : {0, 1, 2, 3, 5, 8, 13, 40})
        for (int c : {0, 1, 2, 3, 4, 6, 9, 20, 100}) one(2, 3, 2 + w, 3 + h, c, c == 9 ? 4 : c);
    // Corners square in one direction only.
    for (int w : {3, 10, 31})
      for (int h : {5, 13})
        for (const auto& c : {std::pair{0, 6}, std::pair{6, 0}, std::pair{1, 9}, std::pair{9, 1},
                              std::pair{2, 9}, std::pair{9, 2}, std::pair{3, 9}, std::pair{9, 3}})
          one(2, 3, 2 + w, 3 + h, c.first, c.second);
    for (int c : {0, 3, 8}) {
      one(14, 12, 2, 3, c, c);    // inverted
      one(-6, -4, 9, 8, c, c);    // off the canvas on the top left
      one(55, 57, 70, 69, c, c);  // and on the bottom right
      one(2, 3, 20, 14, -c, c);   // a negative corner
    }
  }
  SelectObject(canvas.dc(), old_brush);
  SelectObject(canvas.dc(), old_pen);
  DeleteObject(brush);
  DeleteObject(solid);
}

// One-pixel lines from the middle of the canvas to every point of a square
// around it: every octant, every slope up to 14.
void lines(Out& out) {
  Canvas canvas(kCanvas, kCanvas);
  HPEN pen = CreatePen(PS_SOLID, 1, 0x000000FF);
  HGDIOBJ old = SelectObject(canvas.dc(), pen);
  for (int dy = -14; dy <= 14; ++dy)
    for (int dx = -14; dx <= 14; ++dx) {
      canvas.clear(kBackground);
      MoveToEx(canvas.dc(), 32, 32, nullptr);
      const BOOL ok = LineTo(canvas.dc(), 32 + dx, 32 + dy);
      out.emit("LineTo", {32, 32, 32 + dx, 32 + dy},
               std::to_string(ok) + " " + pixels_text(canvas));
    }
  SelectObject(canvas.dc(), old);
  DeleteObject(pen);
}

void combined_regions(Out& out) {
  const int modes[] = {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY};
  struct Operand {
    int l, t, r, b, c;
  };
  const std::vector<Operand> ops = {{0, 0, 10, 10, 0},  {0, 0, 10, 10, 6},  {5, 2, 19, 12, 8},
                                    {3, 3, 7, 7, 4},    {10, 0, 20, 10, 3}, {-4, 6, 30, 9, 2},
                                    {0, 0, 21, 13, 21}, {4, 4, 4, 9, 0}};
  for (int mode : modes)
    for (const Operand& a : ops)
      for (const Operand& b : ops) {
        HRGN ra = CreateRoundRectRgn(a.l, a.t, a.r, a.b, a.c, a.c);
        HRGN rb = CreateRoundRectRgn(b.l, b.t, b.r, b.b, b.c, b.c);
        HRGN result = CreateRectRgn(0, 0, 0, 0);
        const int kind = CombineRgn(result, ra, rb, mode);
        out.emit("CombineRgn", {mode, a.l, a.t, a.r, a.b, a.c, b.l, b.t, b.r, b.b, b.c},
                 "ret=" + std::to_string(kind) + " " + region_text(result));
        DeleteObject(ra);
        DeleteObject(rb);
        DeleteObject(result);
      }
}

void point_tests(Out& out) {
  const int boxes[][5] = {{0, 0, 9, 7, 4}, {1, 2, 12, 12, 12}, {0, 0, 5, 20, 3}, {2, 2, 3, 3, 1}};
  for (const auto& b : boxes) {
    HRGN r = CreateRoundRectRgn(b[0], b[1], b[2], b[3], b[4], b[4]);
    std::string inside;
    for (int y = -1; y <= 13; ++y)
      for (int x = -1; x <= 13; ++x) inside += PtInRegion(r, x, y) ? '1' : '0';
    out.emit("PtInRegion", {b[0], b[1], b[2], b[3], b[4]}, inside);
    DeleteObject(r);
  }
  for (const auto& b : boxes) {
    HRGN r = CreateRectRgn(b[0], b[1], b[2], b[3]);
    std::string inside;
    for (int y = -1; y <= 13; ++y)
      for (int x = -1; x <= 13; ++x) inside += PtInRegion(r, x, y) ? '1' : '0';
    out.emit("PtInRegion", {b[0], b[1], b[2], b[3], -1}, inside);
    DeleteObject(r);
  }
}

void fills(Out& out) {
  Canvas canvas(kCanvas, kCanvas);
  HBRUSH solid = CreateSolidBrush(0x00336699);
  HBRUSH palette = CreateSolidBrush(0x01000003);
  HBRUSH flagged = CreateSolidBrush(0xFF123456);
  struct Named {
    int id;
    HBRUSH brush;
  };
  const std::vector<Named> brushes = {{0, solid},
                                      {1, sys_color_brush_value(COLOR_BTNFACE)},
                                      {2, sys_color_brush_value(COLOR_WINDOW)},
                                      {3, sys_color_brush_value(COLOR_BTNSHADOW)},
                                      {4, to_brush(GetStockObject(NULL_BRUSH))},
                                      {5, to_brush(GetStockObject(BLACK_BRUSH))},
                                      {6, palette},
                                      {7, flagged}};
  const int rects[][4] = {{2, 2, 8, 6},
                          {8, 6, 2, 2},
                          {2, 6, 8, 2},
                          {5, 5, 5, 9},
                          {-3, -3, 4, 4},
                          {60, 60, 70, 70},
                          {-100000, 10, 100000, 12}};
  for (const Named& n : brushes)
    for (const auto& r : rects) {
      canvas.clear(kBackground);
      const RECT rect{r[0], r[1], r[2], r[3]};
      const int ok = FillRect(canvas.dc(), &rect, n.brush);
      out.emit("FillRect", {n.id, r[0], r[1], r[2], r[3]},
               std::to_string(ok) + " " + pixels_text(canvas));
    }
  for (const Named& n : brushes)
    for (int c : {0, 5, 30}) {
      canvas.clear(kBackground);
      HRGN rgn = CreateRoundRectRgn(3, 4, 30, 20, c, c);
      const int ok = FillRgn(canvas.dc(), rgn, n.brush);
      out.emit("FillRgn", {n.id, 3, 4, 30, 20, c}, std::to_string(ok) + " " + pixels_text(canvas));
      DeleteObject(rgn);
    }
  DeleteObject(solid);
  DeleteObject(palette);
  DeleteObject(flagged);
}

void pixels(Out& out) {
  Canvas canvas(kCanvas, kCanvas);
  auto one = [&](int x, int y, std::uint32_t color) {
    canvas.clear(kBackground);
    const BOOL v = SetPixelV(canvas.dc(), x, y, color);
    const COLORREF got = GetPixel(canvas.dc(), x, y);
    const COLORREF set = SetPixel(canvas.dc(), x, y, color);
    char text[64];
    std::snprintf(text, sizeof text, "%d %08X %08X", v, static_cast<unsigned>(got),
                  static_cast<unsigned>(set));
    out.emit("SetPixelV", {x, y, static_cast<long long>(color)}, text);
  };
  const int points[][2] = {{0, 0},  {10, 20}, {63, 63},     {-1, 0},     {0, -1},
                           {64, 5}, {5, 64},  {-100000, 7}, {7, INT_MAX}};
  const std::uint32_t colors[] = {0x00123456, 0xFF123456, 0x01000003, 0x02123456, 0x10ABCDEF};
  for (const auto& p : points)
    for (std::uint32_t color : colors) one(p[0], p[1], color);
  // Every kind a COLORREF's top byte can name, and palette indices in and past the default palette.
  for (std::uint32_t top = 0; top < 256; ++top) one(10, 10, (top << 24) | 0x00123456);
  for (std::uint32_t index = 0; index < 24; ++index) one(10, 10, 0x01000000 | index);
  for (std::uint32_t color :
       {0x01000100u, 0x01001203u, 0x01FF0003u, 0x10FF0003u, 0x10FF0000u, 0x02000000u})
    one(10, 10, color);
}

std::string rect_text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

void rectangles(Out& out) {
  const int values[] = {0, 1, -1, 7, -7, 100000, INT_MAX, INT_MIN, INT_MAX - 3};
  const int rects[][4] = {{0, 0, 10, 10}, {5, 6, 2, 1}, {INT_MIN, 0, INT_MAX, 3}, {-3, -3, -3, -3}};
  for (const auto& r : rects)
    for (int dx : values)
      for (int dy : {0, -2, INT_MAX}) {
        RECT rect{r[0], r[1], r[2], r[3]};
        const BOOL ok = InflateRect(&rect, dx, dy);
        out.emit("InflateRect", {r[0], r[1], r[2], r[3], dx, dy},
                 std::to_string(ok) + " " + rect_text(rect));
        rect = {r[0], r[1], r[2], r[3]};
        const BOOL moved = OffsetRect(&rect, dx, dy);
        out.emit("OffsetRect", {r[0], r[1], r[2], r[3], dx, dy},
                 std::to_string(moved) + " " + rect_text(rect));
      }
  for (const auto& r : rects) {
    RECT rect{r[0], r[1], r[2], r[3]};
    out.emit("IsRectEmpty", {r[0], r[1], r[2], r[3]}, std::to_string(IsRectEmpty(&rect)));
  }
}

// Whether two regions hold the same pixels: their XOR is empty.
bool same_pixels(HRGN a, HRGN b) {
  HRGN x = CreateRectRgn(0, 0, 0, 0);
  const int kind = CombineRgn(x, a, b, RGN_XOR);
  DeleteObject(x);
  return kind == NULLREGION;
}

void region_moves(Out& out) {
  const int offsets[] = {0, 3, -3, 1000, INT_MAX, INT_MIN, 0x07FFFFFF, -0x08000000};
  for (int c : {0, 5})
    for (int dx : offsets)
      for (int dy : {0, 4, INT_MAX}) {
        HRGN r = CreateRoundRectRgn(1, 2, 11, 9, c, c);
        const int kind = OffsetRgn(r, dx, dy);
        out.emit("OffsetRgn", {c, dx, dy}, "ret=" + std::to_string(kind) + " " + region_text(r));
        DeleteObject(r);
      }
  const int shapes[][5] = {
      {0, 0, 10, 10, 0}, {0, 0, 10, 10, 4}, {0, 0, 10, 10, 3}, {0, 0, 0, 0, 0}, {3, 3, 3, 8, 0}};
  for (const auto& a : shapes)
    for (const auto& b : shapes) {
      HRGN ra = CreateRoundRectRgn(a[0], a[1], a[2], a[3], a[4], a[4]);
      HRGN rb = CreateRoundRectRgn(b[0], b[1], b[2], b[3], b[4], b[4]);
      out.emit("EqualRgn", {a[0], a[1], a[2], a[3], a[4], b[0], b[1], b[2], b[3], b[4]},
               std::to_string(EqualRgn(ra, rb) ? 1 : 0) +
                   " xor=" + std::to_string(same_pixels(ra, rb) ? 0 : 1));
      DeleteObject(ra);
      DeleteObject(rb);
    }
}

// DrawStateA with a picture: where the normal, embossed (disabled) and
// one-colour looks put their pixels and in which colours; text is left out,
// its glyphs come from different fonts.
void draw_states(Out& out) {
  constexpr std::uint32_t W = 0xFFFFFF, K = 0x000000, R = 0x0000FF, G = 0x808080, L = 0xC0C0C0;
  const std::vector<std::uint32_t> pixels = {W, W, K, K, W, W,  //
                                             W, K, R, R, K, W,  //
                                             K, R, G, G, R, K,  //
                                             W, K, L, L, K, W,  //
                                             W, W, K, K, W, W};
  HBITMAP picture = make_picture(6, 5, pixels);
  HBRUSH brush = CreateSolidBrush(0x00336699);
  Canvas canvas(16, 16);
  const UINT looks[] = {DSS_NORMAL, DSS_DISABLED, DSS_MONO};
  const int places[][4] = {{3, 4, 0, 0}, {0, 0, 3, 2}, {-2, -1, 0, 0}, {12, 13, 0, 0}};
  for (UINT look : looks)
    for (const auto& p : places) {
      canvas.clear(kBackground);
      const BOOL ok = draw_state_picture(canvas.dc(), brush, picture, p[0], p[1], p[2], p[3], look);
      out.emit("DrawStateA", {static_cast<long long>(look), p[0], p[1], p[2], p[3]},
               std::to_string(ok) + " " + pixels_text(canvas));
    }
  DeleteObject(brush);
  DeleteObject(picture);
}

void sys_colors(Out& out) {
  for (int i = -1; i <= 31; ++i) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(GetSysColor(i)));
    out.emit("GetSysColor", {i}, text);
  }
}

// A result without the complexity a region reports, which may differ: the
// "kind=" of a region, and SIMPLEREGION against COMPLEXREGION in a "ret=".
std::string without_kind(std::string line) {
  const std::size_t at = line.find(" kind=");
  if (at != std::string::npos) {
    const std::size_t end = line.find(' ', at + 1);
    line = line.substr(0, at) + (end == std::string::npos ? "" : line.substr(end));
  }
  const std::size_t ret = line.find("ret=3 ");
  if (ret != std::string::npos) line[ret + 4] = '2';
  return line;
}

// Checks the cases against lines recorded from the reference: every
// recorded case must be among ours with the same result.
int check(const std::vector<std::string>& ours, const char* path) {
  std::FILE* file = std::fopen(path, "r");
  if (!file) {
    std::fprintf(stderr, "gdi-conformance: cannot read %s\n", path);
    return 2;
  }
  std::map<std::string, std::string> mine;
  for (const std::string& line : ours) {
    const std::size_t key_end = line.find('|', line.find('|') + 1);
    mine[line.substr(0, key_end)] = without_kind(line.substr(key_end));
  }
  int checked = 0, differing = 0;
  char buffer[1 << 16];
  while (std::fgets(buffer, sizeof buffer, file)) {
    std::string line(buffer);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::size_t key_end = line.find('|', line.find('|') + 1);
    const std::string key = line.substr(0, key_end);
    const auto found = mine.find(key);
    ++checked;
    if (found != mine.end() && found->second == without_kind(line.substr(key_end))) continue;
    if (++differing <= 10)
      std::printf("%s\n  reference:%s\n  ours:     %s\n", key.c_str(), line.substr(key_end).c_str(),
                  found == mine.end() ? "|(missing)" : found->second.c_str());
  }
  std::fclose(file);
  std::printf("%d of %d recorded cases differ\n", differing, checked);
  return differing == 0 && checked > 0 ? 0 : 1;
}

}  // namespace
}  // namespace conformance

// No arguments: print every case. --check FILE: compare with recorded lines.
int main(int argc, char** argv) {
  using namespace conformance;
  Out out;
  out.print = argc < 3 || std::string(argv[1]) != "--check";
  round_regions(out);
  elliptic_regions(out);
  shapes(out);
  round_rects(out);
  lines(out);
  combined_regions(out);
  point_tests(out);
  fills(out);
  pixels(out);
  rectangles(out);
  region_moves(out);
  draw_states(out);
  sys_colors(out);
  return out.print ? 0 : check(out.lines, argv[2]);
}
