#include "textfx/fx_text_controls.h"

#include <algorithm>

namespace plexara {

void TCustomTextParam::SetRowPitch(int value) {
  Set(rowPitch_, std::clamp(value, kMinRowPitch, kMaxRowPitch));
}

TFxCustomText::TFxCustomText(const TFxControlEnv& env, int width, int height,
                             TUserLabelValues labelValues)
    : TFxGraphicControl(env, width, height), labels_(std::move(labelValues)) {}

void TFxCustomText::SetFonts(const TFontLabels& fonts) {
  if (fonts == fonts_) return;
  fonts_ = fonts;
  Changed();
}

TFxTagState TFxCustomText::StartState() const {
  return TFxTagState{Font(), Text().FontEffect(), Text().Alignment()};
}

void TFxCustomText::PrepareLine(std::string& line, TFxTagState& state) const {
  if (Text().LabelEffect() == leOnlyALine) state = StartState();
  ApplyTags(line, fonts_, labels_, state);
}

void TFxCustomText::UseState(TFxPictureCanvas& canvas, const TFxTagState& state) {
  Bind(canvas, state.font);
  FxFont().SetEffect(state.effect);
}

std::vector<std::string> TFxCustomText::RowsOf(const std::string& line, int available, bool wrap) {
  if (line.empty()) return {" "};
  if (!wrap || FxFont().TextWidth(line) <= available) return {line};
  return WrapLines(
      line, available, [this](std::string_view text) { return FxFont().TextWidth(text); },
      isLeadByte_);
}

TFxText::TFxText(const TFxControlEnv& env, TUserLabelValues labelValues)
    : TFxCustomText(env, 46, 12, std::move(labelValues)), text_(*this), picture_(MakePicture()) {}

void TFxText::ApplyAutoSize(TFxPictureCanvas& canvas) {
  if (!AutoSize()) return;
  const std::uint8_t align = Align();
  const int border = Border();
  const bool wrap = text_.WordWrap();
  int widest = 0;
  long long height = 2LL * border;
  TFxTagState state = StartState();
  const auto& lines = text_.Lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string line = lines[i];
    PrepareLine(line, state);
    UseState(canvas, state);
    widest = std::max(widest, FxFont().TextWidth(line));
    const std::vector<std::string> rows = RowsOf(line, Width(), wrap);
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const int h = FxFont().TextHeight(rows[r] + " ");
      const bool last = i + 1 == lines.size() && r + 1 == rows.size();
      height += last ? h : FxRowAdvance(h, text_.RowPitch());
    }
  }
  EndLines();
  int width = Width(), newHeight = Height();
  if (!wrap && (align == kFxControlAlignNone || align == kFxControlAlignLeft ||
                align == kFxControlAlignRight)) {
    width = widest + 2 * border;
  }
  if (align == kFxControlAlignNone || align == kFxControlAlignTop ||
      align == kFxControlAlignBottom) {
    newHeight = static_cast<int>(std::min<long long>(height, kMaxPictureSide));
  }
  ApplySize(width, newHeight);
}

void TFxText::DrawLines(TFxPictureCanvas& canvas) {
  const int border = Border(), width = Width(), height = Height();
  const int available = width - 2 * border;
  int y = border;
  TFxTagState state = StartState();
  for (const std::string& source : text_.Lines()) {
    if (y > height - border) break;
    std::string line = source;
    PrepareLine(line, state);
    UseState(canvas, state);
    for (const std::string& row : RowsOf(line, available, text_.WordWrap())) {
      const int h = FxFont().TextHeight(row + " ");
      const int w = FxFont().TextWidth(row);
      int x = border;
      if (state.alignment == kFxAlignRight) x = width - border - w;
      if (state.alignment == kFxAlignCentre) x = (width - w) / 2;
      FxFont().TextOut(x, y, row);
      y += FxRowAdvance(h, text_.RowPitch());
    }
  }
  EndLines();
}

void TFxText::Reset() {
  if (!text_.Transparent()) {
    Bind(picture_, Font());
    ApplyAutoSize(picture_);
    picture_.SetSize(Width(), Height());
    FillBackground(picture_, false, Color(), text_.BackGround(), text_.BackGroundMode());
    DrawLines(picture_);
  }
  Invalidate();
}

void TFxText::DoPaint(TFxPictureCanvas& screen) {
  if (!text_.Transparent()) {
    screen.WritePixels(0, 0, picture_.Pixels());
    return;
  }
  ApplyAutoSize(screen);
  DrawLines(screen);
}

}  // namespace plexara
