#include "textfx/fx_random.h"

namespace plexara {

TFxRandom& FxRandom() {
  static TFxRandom generator(0x2A5F3C11u);
  return generator;
}

}  // namespace plexara
