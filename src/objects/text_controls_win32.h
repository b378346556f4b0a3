// The five anti-aliased text kinds on a page: TAuLabel, TAuLink, TAuFadeLabel, TAuText and
// TAuScrollText. Each is a drawn control on the object surface around one text control model of
// textfx (TFxLabel, TFxLinkLabel, TFxFadeText, TFxText, TFxScrollText): it applies its kind record
// to the model in record order, paints by handing the model a canvas that holds what the surface
// has already painted below it, and repaints when the model's timers or pointer looks ask.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "objects/object_control_win32.h"
#include "storage/text_records.h"
#include "textfx/fx_controls.h"
#include "textfx/fx_fade_text.h"
#include "textfx/fx_scroll_text.h"
#include "textfx/fx_text_controls.h"

namespace plexara {

// What the text controls are made with on Windows: the GDI rasteriser, the timer service that
// fires on the user-interface thread, system colours, metafile pictures and the screen resolution.
TFxControlEnv Win32TextControlEnv();
// The registered owner and organisation, and the date and time in the system's short formats.
TUserLabelValues Win32UserLabelValues();

// The part the five kinds share: hosting a model on the object surface.
class FxTextObject : public ObjectControl, private TFxControlHost {
 public:
  ~FxTextObject() override;
  void Paint(HDC dc, int width, int height) override;
  void StateChanged() override;

 protected:
  FxTextObject(ObjectData& data, TFxGraphicControl& model);
  // After applying the record: the record takes any size the model gave itself (minimum sizes).
  void SyncBounds();
  TFxControlHost* AsHost() { return this; }

 private:
  void Invalidate() override;
  void SizeChanged(int width, int height) override;

  struct Canvas;
  TFxGraphicControl& model_;
  std::unique_ptr<Canvas> canvas_;
};

class TAuLabel final : public FxTextObject {
 public:
  explicit TAuLabel(ObjectData& data);

  std::string ObjectText() const override { return label_.Caption(); }
  void SetObjectText(const std::string& text) override;
  TFxLabel& model() { return label_; }

 private:
  LabelRecord& record();
  TFxLabel label_;
};

class TAuLink final : public FxTextObject {
 public:
  explicit TAuLink(ObjectData& data);

  // The notification first, then the hot look.
  void MouseEnter() override;
  void MouseLeave() override;
  // A link with a URL opens it through the shell, then the page hears the click.
  void Click() override;
  TFxLinkLabel& model() { return link_; }

 private:
  TFxLinkLabel link_;
};

class TAuFadeLabel final : public FxTextObject {
 public:
  explicit TAuFadeLabel(ObjectData& data);
  TFxFadeText& model() { return fade_; }

 private:
  TFxFadeText fade_;
};

class TAuText final : public FxTextObject {
 public:
  explicit TAuText(ObjectData& data);

  std::string ObjectText() const override { return text_.Text().Text(); }
  void SetObjectText(const std::string& text) override;
  bool LoadTextFile(const std::string& path) override;
  TFxText& model() { return text_; }

 private:
  TFxText text_;
};

class TAuScrollText final : public FxTextObject {
 public:
  // Active after reading, whatever the record says.
  explicit TAuScrollText(ObjectData& data);

  std::string ObjectText() const override { return scroll_.Text().Text(); }
  void SetObjectText(const std::string& text) override;
  bool LoadTextFile(const std::string& path) override;
  TFxScrollText& model() { return scroll_; }

 private:
  TFxScrollText scroll_;
};

// The whole text of a file, bytes as they are; false when it cannot be read.
bool ReadTextFile(const std::string& path, std::string& text);

}  // namespace plexara
