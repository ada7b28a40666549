#include "view_dialogs.h"

namespace markwise {

ViewDialogs& viewDialogs() {
    static ViewDialogs dialogs;
    return dialogs;
}

} // namespace markwise
