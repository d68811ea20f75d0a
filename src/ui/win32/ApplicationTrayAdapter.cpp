#include "ui/win32/ApplicationTrayAdapter.h"

#include "trayicon/win32/HandleValue.h"

ApplicationTrayAdapter::ApplicationTrayAdapter(TApplication& application)
    : application_(application), icon_(Win32Icon::LoadMainIcon(GetModuleHandleA(nullptr))) {}

THandleValue ApplicationTrayAdapter::Handle() const {
    return ToHandleValue(application_.Handle());
}

THandleValue ApplicationTrayAdapter::ActiveFormHandle() const {
    return ToHandleValue(application_.ActiveFormWindow());
}
