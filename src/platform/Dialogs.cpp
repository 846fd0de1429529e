#include "platform/Dialogs.h"

#include "platform/QtDialogs.h"

namespace {

Dialogs* installed = nullptr;

} // namespace

Dialogs& Dialogs::current() {
    static QtDialogs real;
    return installed ? *installed : real;
}

void Dialogs::install(Dialogs* dialogs) {
    installed = dialogs;
}
