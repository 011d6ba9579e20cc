#include "toolkit/image.h"

#include "toolkit/application.h"

namespace mtp::tk {

TBitmap LoadBitmapResource(const std::u16string& name) {
    return Application().RequireBackend().LoadBitmapResource(name);
}

} // namespace mtp::tk
