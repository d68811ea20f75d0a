#include "ui/win32/ApplicationTrayAdapter.h"

#include "toolkit/win32/HandleValue.h"

ApplicationTrayAdapter::ApplicationTrayAdapter(TApplication& application)
    : application_(application),
      // The application's icon is a shared resource handle: the adapter keeps a copy of its own.
      icon_(application.Icon() ? CopyIcon(application.Icon()) : nullptr) {}

THandleValue ApplicationTrayAdapter::Handle() const {
    return ToHandleValue(application_.Handle());
}

THandleValue ApplicationTrayAdapter::ActiveFormHandle() const {
    return ToHandleValue(application_.ActiveFormWindow());
}
