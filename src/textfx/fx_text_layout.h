// How the multi-line text controls turn their lines into rows: the tags in a line (font labels and
// user labels), the row pitch, and word wrap. Pure functions over strings; measuring is handed in,
// so the exact arithmetic is tested natively.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/font_data.h"
#include "storage/font_labels.h"
#include "storage/fx_effect.h"
#include "textfx/user_labels.h"

namespace plexara {

// The drawing state tags change: the font, the effect set and the alignment of what follows.
struct TFxTagState {
  FontData font;
  TFxEffect effect;
  std::uint8_t alignment = 0;
};

// The first occurrence of "<" + name + ">" in the line, letters compared without case; npos when
// there is none.
std::size_t FindTag(std::string_view line, std::string_view name);

// Applies the tags of one line, in this order: every font label whose tag the line holds (in
// collection order, so the last one found decides) sets the font and a copy of its effect set,
// and its first tag is removed; then every user label's first tag is removed, the replacing styles
// putting their text in its place and the justifying styles setting the alignment.
void ApplyTags(std::string& line, const TFontLabels& fonts, const TUserLabels& labels,
               TFxTagState& state);

// The lines of a text: broken at CR LF, LF or CR; a break at the very end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
// The lines joined with CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// How far the next row starts below a row of height h: round((rowPitch ÷ 100 + 1) × h), in whole
// numbers with halves to the even neighbour, so every build agrees.
int FxRowAdvance(int height, int rowPitch);

using TFxMeasureWidth = std::function<int(std::string_view text)>;
// Whether a byte starts a two-byte character of the system code page; none does when null.
using TFxLeadByteTest = bool (*)(unsigned char byte);

// The column limit of a line wider than `available`: d = available × characters ÷ line width,
// lowered until the first d characters fit; at least 2.
int FxColumnLimit(std::string_view line, int available, const TFxMeasureWidth& width);
// Breaks the line into rows of about `columns` characters: after break characters (tab, space,
// "!", ",", "-", ".", ":", ";", "?") outside quotes, at existing CR LF, and before a two-byte
// character that would cross the limit. Break characters and line breaks after a break are
// skipped; a row keeps the break character it ends with.
std::vector<std::string> FxWrapAtColumn(std::string_view line, int columns,
                                        TFxLeadByteTest isLeadByte = nullptr);
// WrapLines: the rows of a line in `available` pixels.
std::vector<std::string> WrapLines(std::string_view line, int available,
                                   const TFxMeasureWidth& width,
                                   TFxLeadByteTest isLeadByte = nullptr);

}  // namespace plexara
