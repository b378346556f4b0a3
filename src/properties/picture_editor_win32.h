// The "Image Editor": shows a picture on a checkerboard, loads one from a file, saves it in its own
// format, clears it, and checks on "&OK" that it survives being written and read back.
#pragma once

#include <windows.h>

#include <string>

#include "storage/picture.h"
#include "storage/result.h"

namespace plexara {

// True only after "&OK" when the picture differs from the given one (another class or other bytes);
// `picture` is then replaced. In icon mode only an icon or no picture is accepted.
bool EditPicture(HWND owner, Picture& picture, bool iconMode);

// A picture file as the editor loads it. A file that cannot be read fails with the system's message
// for the failure, a damaged or unknown picture with its decoder's message.
Result<Picture> LoadPictureFile(const std::string& path);

// Where a picture of that size goes in an area: at its own size when it fits, else scaled down to
// fit with its aspect ratio kept (never below one pixel); centred either way.
RECT PreviewPlace(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight);

}  // namespace plexara
