#include "objects/button_control_win32.h"
#include "objects/form_input_controls_win32.h"
#include "objects/image_button_control_win32.h"
#include "objects/image_control_win32.h"
#include "objects/object_control_win32.h"
#include "objects/shape_control_win32.h"
#include "objects/simple_text_control_win32.h"
#include "objects/text_controls_win32.h"
#include "storage/shape_record.h"

namespace plexara {

std::unique_ptr<ObjectControl> CreateObjectControl(ObjectData& data) {
  switch (data.kind()) {
    case ButtonRecord::kKind: return std::make_unique<TAuButton>(data);
    case ImageButtonRecord::kKind: return std::make_unique<TAuImageButton>(data);
    case ImageRecord::kKind: return std::make_unique<TAuImage>(data);
    case ShapeRecord::kKind: return std::make_unique<ShapeControl>(data);
    case EditRecord::kKind: return std::make_unique<TAuSecurityEdit>(data);
    case RadioButtonRecord::kKind: return std::make_unique<TAuAgreementRadio>(data);
    case CheckBoxRecord::kKind: return std::make_unique<TAuAgreementCheck>(data);
    case LabelRecord::kKind: return std::make_unique<TAuLabel>(data);
    case LinkRecord::kKind: return std::make_unique<TAuLink>(data);
    case FadeLabelRecord::kKind: return std::make_unique<TAuFadeLabel>(data);
    case TextRecord::kKind: return std::make_unique<TAuText>(data);
    case ScrollTextRecord::kKind: return std::make_unique<TAuScrollText>(data);
    case SimpleTextRecord::kKind: return std::make_unique<TAuSimpleText>(data);
    default: return std::make_unique<ObjectControl>(data);
  }
}

}  // namespace plexara
