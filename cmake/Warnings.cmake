# Warnings shared by every target of ours (not by the dependencies).
add_library(plexara_warnings INTERFACE)
target_compile_options(plexara_warnings INTERFACE -Wall -Wextra -Wshadow -Wnon-virtual-dtor
  -Wno-missing-field-initializers)
