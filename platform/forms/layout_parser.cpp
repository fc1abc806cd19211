#include "platform/forms/layout_parser.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/win/kernel/excerpt.h"

namespace forms {

namespace {

bool is_word_char(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

// Reads one value literal; every failure names the line and the key.
class LiteralReader {
 public:
  LiteralReader(std::string_view text, int line, std::string_view key)
      : m_text(text), m_line(line), m_key(key) {}

  Value value() {
    skip_spaces();
    if (at_end()) fail("a value");
    const char c = m_text[m_pos];
    if (c == '"') return text();
    if (c == '&') return hex();
    if (c == '-' || c == '+' || std::isdigit(static_cast<unsigned char>(c))) return long_value();
    const std::string w = word();
    if (w == "True") return Flag{true};
    if (w == "False") return Flag{false};
    if (w == "Byte") return small<std::uint8_t>(ValueType::Byte);
    if (w == "Integer") return small<std::int16_t>(ValueType::Integer);
    if (w == "Font") return font();
    if (w == "Picture") return picture();
    fail(
        "a value (True, False, a number, &H..&, \"text\", Byte(..), Integer(..), Font(..) or "
        "Picture(..))");
  }

  void finish() {
    skip_spaces();
    if (!at_end()) fail("the end of the line after the value");
  }

 private:
  [[noreturn]] void fail(std::string_view expected) const {
    const std::string found = at_end() ? std::string("the end of the line")
                                       : "\"" + win::printable_excerpt(m_text.substr(m_pos)) + "\"";
    throw LayoutError(m_line, m_key, "expected " + std::string(expected) + ", found " + found);
  }
  bool at_end() const { return m_pos >= m_text.size(); }
  void skip_spaces() {
    while (!at_end() && std::isspace(static_cast<unsigned char>(m_text[m_pos]))) ++m_pos;
  }
  void expect(char c) {
    skip_spaces();
    if (at_end() || m_text[m_pos] != c) fail(std::string("'") + c + "'");
    ++m_pos;
  }
  std::string word() {
    const std::size_t start = m_pos;
    while (!at_end() && is_word_char(m_text[m_pos])) ++m_pos;
    return std::string(m_text.substr(start, m_pos - start));
  }

  std::string text() {
    skip_spaces();
    if (at_end() || m_text[m_pos] != '"') fail("\"text\"");
    std::string out;
    for (++m_pos; !at_end(); ++m_pos) {
      if (m_text[m_pos] == '"') {
        if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '"') {
          out += '"';
          ++m_pos;
          continue;
        }
        ++m_pos;
        return out;
      }
      out += m_text[m_pos];
    }
    fail("a closing quote");
  }

  // &H followed by 1 to 8 hex digits and a closing &: a 32-bit pattern.
  std::int32_t hex() {
    const std::size_t start = m_pos;
    if (m_text.substr(m_pos, 2) != "&H") fail("&H");
    m_pos += 2;
    std::uint32_t bits = 0;
    int digits = 0;
    while (!at_end() && std::isxdigit(static_cast<unsigned char>(m_text[m_pos]))) {
      const char c = m_text[m_pos++];
      bits = bits * 16 + static_cast<std::uint32_t>(
                             std::isdigit(static_cast<unsigned char>(c))
                                 ? c - '0'
                                 : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10);
      ++digits;
    }
    if (digits == 0 || digits > 8 || at_end() || m_text[m_pos] != '&') {
      m_pos = start;
      fail("a hexadecimal number &H<1 to 8 digits>&");
    }
    ++m_pos;
    return static_cast<std::int32_t>(bits);
  }

  std::int64_t whole(std::int64_t min, std::int64_t max, std::string_view expected) {
    skip_spaces();
    const std::size_t start = m_pos;
    if (!at_end() && (m_text[m_pos] == '-' || m_text[m_pos] == '+')) ++m_pos;
    const std::size_t digits_start = m_pos;
    while (!at_end() && std::isdigit(static_cast<unsigned char>(m_text[m_pos]))) ++m_pos;
    if (m_pos == digits_start || m_pos - digits_start > 11 ||
        (!at_end() && is_word_char(m_text[m_pos]))) {
      m_pos = start;
      fail(expected);
    }
    const std::int64_t value =
        std::strtoll(std::string(m_text.substr(start, m_pos - start)).c_str(), nullptr, 10);
    if (value < min || value > max) {
      m_pos = start;
      fail(std::string(expected) + " in range");
    }
    return value;
  }

  std::int32_t long_value() {
    return static_cast<std::int32_t>(whole(std::numeric_limits<std::int32_t>::min(),
                                           std::numeric_limits<std::int32_t>::max(),
                                           "a 32-bit integer"));
  }

  template <class T>
  T small(ValueType type) {
    expect('(');
    const auto value =
        whole(std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), describe(type));
    expect(')');
    return static_cast<T>(value);
  }

  bool flag() {
    skip_spaces();
    const std::size_t start = m_pos;
    const std::string w = word();
    if (w == "True") return true;
    if (w == "False") return false;
    m_pos = start;
    fail("True or False");
  }

  float size() {
    skip_spaces();
    const std::size_t start = m_pos;
    while (!at_end() &&
           (std::isdigit(static_cast<unsigned char>(m_text[m_pos])) || m_text[m_pos] == '.'))
      ++m_pos;
    char* end = nullptr;
    const std::string digits(m_text.substr(start, m_pos - start));
    const float value = std::strtof(digits.c_str(), &end);
    if (digits.empty() || end != digits.c_str() + digits.size() || !(value > 0)) {
      m_pos = start;
      fail("a font size in points");
    }
    if (!(value >= kMinFontPoints && value <= kMaxFontPoints)) {
      m_pos = start;
      fail("a font size from " + std::to_string(static_cast<int>(kMinFontPoints)) + " to " +
           std::to_string(static_cast<int>(kMaxFontPoints)) + " points");
    }
    return value;
  }

  // Font(name, points, weight, italic, underline, strikethrough, charset)
  FontDescription font() {
    FontDescription f;
    expect('(');
    f.name = text();
    expect(',');
    f.size = size();
    expect(',');
    f.weight = static_cast<std::int16_t>(whole(0, 1000, "a font weight 0..1000"));
    expect(',');
    f.italic = flag();
    expect(',');
    f.underline = flag();
    expect(',');
    f.strikethrough = flag();
    expect(',');
    f.charset = static_cast<std::int16_t>(whole(0, 255, "a character set 0..255"));
    expect(')');
    return f;
  }

  // Picture("name") or Picture() for none.
  PictureRef picture() {
    expect('(');
    skip_spaces();
    PictureRef p;
    if (!at_end() && m_text[m_pos] == '"') p.name = text();
    expect(')');
    return p;
  }

  std::string_view m_text;
  std::size_t m_pos = 0;
  int m_line;
  std::string_view m_key;
};

// The line without its comment: '#' outside a string starts one.
std::string_view strip(std::string_view line) {
  bool in_text = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') in_text = !in_text;
    if (line[i] == '#' && !in_text) {
      line = line.substr(0, i);
      break;
    }
  }
  while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front())))
    line.remove_prefix(1);
  while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
    line.remove_suffix(1);
  return line;
}

std::vector<std::string_view> words(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
    const std::size_t start = i;
    while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) ++i;
    if (i > start) out.push_back(line.substr(start, i - start));
  }
  return out;
}

bool is_identifier(std::string_view w) {
  if (w.empty()) return false;
  for (char c : w) {
    if (!is_word_char(c)) return false;
  }
  return true;
}

}  // namespace

LayoutBlock parse_layout(std::string_view text) {
  std::vector<LayoutBlock> open;  // the innermost block last
  std::optional<LayoutBlock> root;
  bool in_bag = false;
  int bag_line = 0;
  int line_number = 0;

  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find('\n', pos);
    const std::string_view raw =
        text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
    pos = end == std::string_view::npos ? text.size() : end + 1;
    ++line_number;
    const std::string_view line = strip(raw);
    if (line.empty()) continue;
    const auto w = words(line);
    const std::string_view context =
        open.empty() ? std::string_view{} : std::string_view(open.back().name);

    if (root)
      throw LayoutError(line_number, w[0], "expected nothing after the End of the form's block");
    if (w[0] == "Begin") {
      if (in_bag)
        throw LayoutError(line_number, context, "expected a bag entry or EndBag, found Begin");
      if (w.size() != 3 || !is_identifier(w[1]) || !is_identifier(w[2]))
        throw LayoutError(line_number, w.size() > 2 ? w[2] : context,
                          "expected Begin <kind> <name>");
      LayoutBlock block;
      block.kind = w[1];
      block.name = w[2];
      block.line = line_number;
      open.push_back(std::move(block));
    } else if (w[0] == "End") {
      if (w.size() != 1) throw LayoutError(line_number, context, "expected End alone on its line");
      if (in_bag) throw LayoutError(line_number, context, "expected EndBag before End");
      if (open.empty()) throw LayoutError(line_number, "End", "expected Begin before End");
      LayoutBlock block = std::move(open.back());
      open.pop_back();
      block.end_line = line_number;
      if (open.empty()) {
        root = std::move(block);
      } else {
        open.back().children.push_back(std::move(block));
      }
    } else if (w[0] == "BeginBag") {
      if (open.empty() || in_bag || open.back().bag || w.size() != 1)
        throw LayoutError(line_number, context,
                          "expected BeginBag once, alone, inside a control's block");
      in_bag = true;
      bag_line = line_number;
      open.back().bag.emplace();
    } else if (w[0] == "EndBag") {
      if (!in_bag || w.size() != 1)
        throw LayoutError(line_number, context, "expected EndBag only to close BeginBag");
      in_bag = false;
    } else {
      const std::size_t equals = line.find('=');
      std::string_view key =
          strip(line.substr(0, equals == std::string_view::npos ? line.size() : equals));
      if (equals == std::string_view::npos || !is_identifier(key))
        throw LayoutError(line_number, key.empty() ? context : key,
                          "expected <key> = <value>, Begin, End, BeginBag or EndBag");
      if (open.empty())
        throw LayoutError(line_number, key, "expected Begin before the first property");
      LiteralReader reader(line.substr(equals + 1), line_number, key);
      Value value = reader.value();
      reader.finish();
      LayoutBlock& block = open.back();
      if (in_bag) {
        if (block.bag->find(key)) throw LayoutError(line_number, key, "expected each bag key once");
        block.bag->write(key, std::move(value));
        block.bag_lines.emplace_back(std::string(key), line_number);
      } else {
        if (block.find(key)) throw LayoutError(line_number, key, "expected each property once");
        block.properties.push_back({std::string(key), std::move(value), line_number});
      }
    }
  }
  if (in_bag)
    throw LayoutError(
        line_number, open.back().name,
        "truncated: expected EndBag for the bag begun on line " + std::to_string(bag_line));
  if (!open.empty()) {
    throw LayoutError(line_number, open.back().name,
                      "truncated: expected End for " + open.back().kind + " " + open.back().name +
                          " begun on line " + std::to_string(open.back().line));
  }
  if (!root)
    throw LayoutError(line_number, "", "expected a Begin <kind> <name> block, found no block");
  return std::move(*root);
}

}  // namespace forms
