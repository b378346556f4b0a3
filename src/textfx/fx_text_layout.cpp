#include "textfx/fx_text_layout.h"

#include <algorithm>

namespace plexara {
namespace {

char Fold(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsBreakChar(char c) {
  switch (c) {
    case '\t':
    case ' ':
    case '!':
    case ',':
    case '-':
    case '.':
    case ':':
    case ';':
    case '?':
      return true;
    default:
      return false;
  }
}

bool IsQuote(char c) { return c == '\'' || c == '"'; }

}  // namespace

std::size_t FindTag(std::string_view line, std::string_view name) {
  const std::size_t tagLength = name.size() + 2;
  if (line.size() < tagLength) return std::string_view::npos;
  for (std::size_t at = 0; at + tagLength <= line.size(); ++at) {
    if (line[at] != '<' || line[at + tagLength - 1] != '>') continue;
    bool same = true;
    for (std::size_t i = 0; i < name.size() && same; ++i)
      same = Fold(line[at + 1 + i]) == Fold(name[i]);
    if (same) return at;
  }
  return std::string_view::npos;
}

void ApplyTags(std::string& line, const TFontLabels& fonts, const TUserLabels& labels,
               TFxTagState& state) {
  for (const TFontLabel& item : fonts) {
    const std::size_t at = FindTag(line, item.name);
    if (at == std::string::npos) continue;
    state.font = item.font;
    state.effect = item.effect;
    line.erase(at, item.name.size() + 2);
  }
  for (const TUserLabel& item : labels) {
    const std::size_t at = FindTag(line, item.name);
    if (at == std::string::npos) continue;
    line.erase(at, item.name.size() + 2);
    switch (item.style) {
      case TLabelStyle::lsLeftJustify:
        state.alignment = 0;
        break;
      case TLabelStyle::lsRightJustify:
        state.alignment = 1;
        break;
      case TLabelStyle::lsCenter:
        state.alignment = 2;
        break;
      default:
        line.insert(at, labels.Replacement(item));
        break;
    }
  }
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

int FxRowAdvance(int height, int rowPitch) {
  const long long numerator = static_cast<long long>(rowPitch + 100) * height;
  long long quotient = numerator / 100, remainder = numerator % 100;
  if (remainder < 0) {  // floor division, so the rounding below sees a remainder of 0…99
    --quotient;
    remainder += 100;
  }
  if (remainder > 50 || (remainder == 50 && quotient % 2 != 0)) ++quotient;
  return static_cast<int>(quotient);
}

int FxColumnLimit(std::string_view line, int available, const TFxMeasureWidth& width) {
  const int lineWidth = width(line);
  long long d = lineWidth > 0 ? static_cast<long long>(available) *
                                    static_cast<long long>(line.size()) / lineWidth
                              : 0;
  d = std::clamp<long long>(d, 0, static_cast<long long>(line.size()));
  while (d > 2 && width(line.substr(0, static_cast<std::size_t>(d))) > available) --d;
  return static_cast<int>(std::max<long long>(d, 2));
}

std::vector<std::string> FxWrapAtColumn(std::string_view line, int columns,
                                        TFxLeadByteTest isLeadByte) {
  // Positions count from 1 as the column counter does; breakAt 0 means no break position yet.
  std::vector<std::string> rows;
  const std::size_t length = line.size();
  auto at = [&](std::size_t position) { return line[position - 1]; };
  std::size_t position = 1, rowStart = 1, breakAt = 0;
  long long column = 1;
  char quote = 0;
  while (position <= length) {
    const char c = at(position);
    bool existing = false, forced = false;
    if (isLeadByte != nullptr && isLeadByte(static_cast<unsigned char>(c)) && position < length) {
      if (column >= columns - 1 && position > rowStart) {
        // A two-byte character never straddles the limit: the row ends just before it.
        breakAt = position - 1;
        forced = true;
      } else {
        ++position;  // the trail byte
        ++column;
      }
    } else if (quote == 0 && c == '\r' && position < length && at(position + 1) == '\n') {
      existing = true;
      ++position;
      breakAt = position;
    } else if (IsBreakChar(c)) {
      if (quote == 0) breakAt = position;
    } else if (IsQuote(c)) {
      if (quote == c)
        quote = 0;
      else if (quote == 0)
        quote = c;
    }
    if (!forced) {
      ++position;
      ++column;
    }
    if (quote == 0 && (existing || forced || (column > columns && breakAt > rowStart))) {
      std::string row(line.substr(rowStart - 1, breakAt - rowStart + 1));
      if (existing) row.resize(row.size() - 2);  // the CR LF ends the row; it is not part of it
      rows.push_back(std::move(row));
      // Break characters and line breaks right after the break position are skipped (not after
      // a quote, and not before a two-byte character); the next row starts after them.
      std::size_t next = breakAt + 1;
      if (!forced && !IsQuote(c)) {
        while (next <= length) {
          if (IsBreakChar(at(next))) {
            ++next;
          } else if (at(next) == '\r' && next < length && at(next + 1) == '\n') {
            next += 2;
          } else {
            break;
          }
        }
      }
      rowStart = next;
      position = std::max(position, next);
      column = static_cast<long long>(position - breakAt);
    }
  }
  // The rest after the last break is the last row; a row broken off at the very end leaves none.
  if (rowStart <= length || rows.empty()) {
    const std::size_t from = std::min(rowStart - 1, length);
    rows.emplace_back(line.substr(from));
  }
  return rows;
}

std::vector<std::string> WrapLines(std::string_view line, int available,
                                   const TFxMeasureWidth& width, TFxLeadByteTest isLeadByte) {
  return FxWrapAtColumn(line, FxColumnLimit(line, available, width), isLeadByte);
}

}  // namespace plexara
