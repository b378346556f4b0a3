// The multi-line text controls' shared part and TFxText. TCustomTextParam holds the lines, the
// label effect, the row pitch and the effect set lines start from; TFxCustomText owns the font
// labels and user labels and turns a source line into the rows it draws (tags, word wrap).
// TFxText draws every line from the top, each row in the font its tags chose.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/font_labels.h"
#include "textfx/fx_controls.h"
#include "textfx/fx_text_layout.h"
#include "textfx/user_labels.h"

namespace plexara {

enum : std::uint8_t { leOnlyALine = 0, leUntilNextLabel = 1 };

class TCustomTextParam : public TCustomParam {
 public:
  static constexpr int kMinRowPitch = -100;
  static constexpr int kMaxRowPitch = 150;

  using TCustomParam::TCustomParam;

  const std::vector<std::string>& Lines() const { return lines_; }
  void SetLines(const std::vector<std::string>& lines) { Set(lines_, lines); }
  // All lines joined with CR LF, and the lines of such a text.
  std::string Text() const { return JoinLines(lines_); }
  void SetText(const std::string& text) { SetLines(SplitLines(text)); }
  std::uint8_t LabelEffect() const { return labelEffect_; }
  void SetLabelEffect(std::uint8_t value) { Set(labelEffect_, value); }
  int RowPitch() const { return rowPitch_; }  // percent of a row's height added below it
  void SetRowPitch(int value);
  const TFxEffect& FontEffect() const { return fontEffect_; }
  void SetFontEffect(const TFxEffect& value) { Set(fontEffect_, value); }

 private:
  std::vector<std::string> lines_;
  std::uint8_t labelEffect_ = leUntilNextLabel;
  int rowPitch_ = 20;
  TFxEffect fontEffect_;
};

class TFxCustomText : public TFxGraphicControl {
 public:
  TFxCustomText(const TFxControlEnv& env, int width, int height, TUserLabelValues labelValues = {});

  virtual TCustomTextParam& Text() = 0;
  virtual const TCustomTextParam& Text() const = 0;
  const TFontLabels& Fonts() const { return fonts_; }
  void SetFonts(const TFontLabels& fonts);
  TUserLabels& Labels() { return labels_; }
  // Whether a byte starts a two-byte character of the system code page (for word wrap).
  void SetLeadByteTest(TFxLeadByteTest test) { isLeadByte_ = test; }

 protected:
  // The state lines start from: the control's Font, the FontEffect and the Alignment.
  TFxTagState StartState() const;
  // Before a source line: with leOnlyALine the state starts afresh; then the line's tags apply.
  void PrepareLine(std::string& line, TFxTagState& state) const;
  // Makes `canvas` the target with the state's font and effect set.
  void UseState(TFxPictureCanvas& canvas, const TFxTagState& state);
  // After the last line the effect set is the FontEffect again.
  void EndLines() { FxFont().SetEffect(Text().FontEffect()); }
  // The rows of a prepared line in `available` pixels: an empty line is one row " "; with
  // `wrap` a line wider than that is broken by WrapLines.
  std::vector<std::string> RowsOf(const std::string& line, int available, bool wrap);

 private:
  TFontLabels fonts_;
  TUserLabels labels_;
  TFxLeadByteTest isLeadByte_ = nullptr;
};

class TFxText : public TFxCustomText {
 public:
  explicit TFxText(const TFxControlEnv& env, TUserLabelValues labelValues = {});

  TCustomTextParam& Text() override { return text_; }
  const TCustomTextParam& Text() const override { return text_; }

 protected:
  void Reset() override;
  void DoPaint(TFxPictureCanvas& screen) override;

 private:
  void ApplyAutoSize(TFxPictureCanvas& canvas);
  void DrawLines(TFxPictureCanvas& canvas);

  TCustomTextParam text_;
  TFxPictureCanvas picture_;
};

}  // namespace plexara
