// TAuImage, the Image kind on a page: a drawn control showing a copy of one of its three pictures
// (normal, pointer-over, pressed) chosen by its pointer state, at its natural size, centred or
// stretched, optionally without its transparent colour, and sized to its picture with AutoSize.
// The pointer state and the shown look are kept in the record too, as its stream form carries them.
#pragma once

#include <string>

#include "objects/image_button_control_win32.h"
#include "storage/result.h"

namespace plexara {

class TAuImage final : public PointerLookControl {
 public:
  // `data` holds an ImageRecord. The shown look starts at "none", so the first choice copies.
  explicit TAuImage(ObjectData& data);

  void Paint(HDC dc, int width, int height) override;
  void StateChanged() override;  // a disabled Image loses its hot picture

  // Loads a picture file (a full path) into the shown picture and makes it the normal picture.
  // A file that cannot be read or decoded changes nothing.
  Result<void> LoadPictureFile(const std::string& path);
  // After one of the three pictures of the record was replaced: choose again from scratch.
  void PicturesChanged();

  // Another object's graphic comment shown here while the pointer is over that object; then the
  // Image's own choice comes back.
  void ShowViewerPicture(const Picture& picture);
  void RestoreOwnPicture() { PicturesChanged(); }

  const Picture& shownPicture() const { return shown_; }

 private:
  ImageRecord& record();
  // Remembers the state in the record and shows the picture it calls for.
  void LookChanged() override;
  void Choose();
  void FitToPicture();

  Picture shown_;
};

}  // namespace plexara
