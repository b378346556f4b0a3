// The object list of the "Load file with object" dialog without its window: the page's objects
// that can show a loaded file. The dialog is load_file_dialog_win32.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "storage/page_file.h"

namespace plexara {

inline constexpr std::string_view kLoadFileCaption = "Load file with object";

// The names of the page's Image, Text, ScrollText, TextBox, RichText, AVI, Explorer, MediaPlayer,
// SlideShow, SimpleText and Flash objects, in page order.
std::vector<std::string> LoadFileObjectNames(const PageData& page);

}  // namespace plexara
