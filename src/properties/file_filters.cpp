#include "properties/file_filters.h"

namespace plexara {

std::string_view PictureFileFilter() {
  return "All pictures (*.jpg;*.jpeg;*.gif;*.png;*.bmp;*.ico;*.emf;*.wmf)|"
         "*.jpg;*.jpeg;*.gif;*.png;*.bmp;*.ico;*.emf;*.wmf|"
         "JPEG Image File (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
         "GIF Image (*.gif)|*.gif|"
         "Portable Network Graphics (*.png)|*.png|"
         "Bitmaps (*.bmp)|*.bmp|"
         "Icons (*.ico)|*.ico|"
         "Enhanced Metafiles (*.emf)|*.emf|"
         "Metafiles (*.wmf)|*.wmf";
}

SaveFilter PictureSaveFilter(std::string_view kindName) {
  if (kindName == "Icon") return {kIconFilter, "ico"};
  if (kindName == "Metafile")
    return {"Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf", "emf"};
  if (kindName == "JPEGImage") return {"JPEG Image File (*.jpg;*.jpeg)|*.jpg;*.jpeg", "jpg"};
  if (kindName == "GIFImage") return {"GIF Image (*.gif)|*.gif", "gif"};
  if (kindName == "PNGImage") return {"Portable Network Graphics (*.png)|*.png", "png"};
  return {"Bitmaps (*.bmp)|*.bmp", "bmp"};
}

std::string OpenFilterText(std::string_view filter) {
  std::string text(filter);
  for (char& c : text)
    if (c == '|') c = '\0';
  text.push_back('\0');
  text.push_back('\0');
  return text;
}

}  // namespace plexara
