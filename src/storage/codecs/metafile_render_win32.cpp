// GDI playback of "TMetafile" payloads into a Bitmap. The payload is checked by DecodeMetafile
// first, so GDI only ever sees a sound record structure. An EMF carries its own frame and is
// stretched onto the target rectangle by PlayEnhMetaFile; a WMF has no frame, so it is played in
// MM_ANISOTROPIC with the window set to its bounding box and the viewport to the target size.
#include <windows.h>

#include <cstring>

#include "storage/codecs/codec_bytes.h"
#include "storage/codecs/metafile_render.h"

namespace plexara {
namespace {

// Owns one GDI handle and releases it on scope exit.
template <typename Handle, BOOL(WINAPI* Release)(Handle)>
class ScopedHandle {
 public:
  explicit ScopedHandle(Handle handle) : handle_(handle) {}
  ~ScopedHandle() {
    if (handle_ != nullptr) Release(handle_);
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  Handle handle_;
};

using ScopedDc = ScopedHandle<HDC, DeleteDC>;
using ScopedGdiObject = ScopedHandle<HGDIOBJ, DeleteObject>;
using ScopedEnhMetafile = ScopedHandle<HENHMETAFILE, DeleteEnhMetaFile>;
using ScopedMetafile = ScopedHandle<HMETAFILE, DeleteMetaFile>;

// Selects an object into a DC and puts the previous one back on scope exit, so the object can be
// deleted afterwards.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelect() { SelectObject(dc_, previous_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Saves the DC state (mapping mode, window, viewport) and restores it on scope exit.
class ScopedDcState {
 public:
  explicit ScopedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~ScopedDcState() { RestoreDC(dc_, saved_); }
  ScopedDcState(const ScopedDcState&) = delete;
  ScopedDcState& operator=(const ScopedDcState&) = delete;

 private:
  HDC dc_;
  int saved_;
};

constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableSize = 22;

bool IsEmf(ByteSpan payload) {
  return payload.size() >= 44 && codecs::LoadU32(payload, 0) == 1 &&
         codecs::LoadU32(payload, 40) == kEmfSignature;
}

Result<void> PlayEmf(HDC dc, ByteSpan payload, const RECT& target) {
  ScopedEnhMetafile emf(SetEnhMetaFileBits(static_cast<UINT>(payload.size()), payload.data()));
  if (!emf) return MakeError("GDI refused the enhanced metafile");
  // A record GDI cannot play makes this return FALSE, yet the rest is drawn; show what we can.
  PlayEnhMetaFile(dc, emf.get(), &target);
  return Ok{};
}

Result<void> PlayWmf(HDC dc, ByteSpan payload, const DecodedPicture& natural, const RECT& target) {
  ByteSpan body = payload;
  RECT window{0, 0, natural.width, natural.height};
  if (payload.size() >= kPlaceableSize && codecs::LoadU32(payload, 0) == kPlaceableKey) {
    window = RECT{codecs::LoadI16(payload, 6), codecs::LoadI16(payload, 8),
                  codecs::LoadI16(payload, 10), codecs::LoadI16(payload, 12)};
    body = payload.subspan(kPlaceableSize);
  }
  ScopedMetafile wmf(SetMetaFileBitsEx(static_cast<UINT>(body.size()), body.data()));
  if (!wmf) return MakeError("GDI refused the Windows metafile");
  ScopedDcState state(dc);
  SetMapMode(dc, MM_ANISOTROPIC);
  // The file's own SetWindowOrg/SetWindowExt records replace the window set here; the viewport
  // stays ours, so the picture always fills the target.
  SetWindowOrgEx(dc, window.left, window.top, nullptr);
  SetWindowExtEx(dc, window.right - window.left, window.bottom - window.top, nullptr);
  SetViewportOrgEx(dc, target.left, target.top, nullptr);
  SetViewportExtEx(dc, target.right - target.left, target.bottom - target.top, nullptr);
  PlayMetaFile(dc, wmf.get());
  return Ok{};
}

}  // namespace

Result<Bitmap> RenderMetafile(ByteSpan payload, int width, int height) {
  PLEXARA_TRY_ASSIGN(natural, DecodeMetafile(payload));
  if (!PictureSizeAllowed(width, height)) return MakeError("metafile target size is out of range");

  ScopedDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return MakeError("no memory DC for the metafile");
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, the layout of Bitmap
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  ScopedGdiObject dib(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib || bits == nullptr) return MakeError("no DIB section for the metafile");

  {
    ScopedSelect select(dc.get(), dib.get());
    const RECT target{0, 0, width, height};
    FillRect(dc.get(), &target, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (IsEmf(payload)) {
      PLEXARA_TRY(PlayEmf(dc.get(), payload, target));
    } else {
      PLEXARA_TRY(PlayWmf(dc.get(), payload, natural, target));
    }
    GdiFlush();
  }

  // GDI leaves the fourth byte undefined; everything on the white page is opaque.
  Bitmap bitmap(width, height);
  std::memcpy(bitmap.data(), bits, static_cast<std::size_t>(width) * height * sizeof(Bgra));
  for (int y = 0; y < height; ++y) {
    Bgra* row = bitmap.row(y);
    for (int x = 0; x < width; ++x) row[x].a = 255;
  }
  return bitmap;
}

}  // namespace plexara
