#include "properties/load_file_form.h"

#include "properties/page_name_lists.h"

namespace plexara {

std::vector<std::string> LoadFileObjectNames(const PageData& page) {
  using enum ObjectKind;
  return ObjectNamesOfKinds(page, {Image, Text, ScrollText, TextBox, RichText, AVI, Explorer,
                                   MediaPlayer, SlideShow, SimpleText, Flash});
}

}  // namespace plexara
