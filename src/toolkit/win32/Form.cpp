#include "toolkit/win32/Form.h"

#include <algorithm>

#include "base/Exception.h"
#include "toolkit/win32/Application.h"

ControlDesc TForm::FormControlDesc(const FormDesc& desc) {
    ControlDesc d{desc.name, ControlKind::Panel};
    d.text = desc.caption;
    d.bounds = desc.bounds;
    return d;
}

TForm::TForm(TApplication& application, const FormDesc& desc)
    : TControl(*this, FormControlDesc(desc), desc.bounds),
      TComponent(nullptr),
      application_(application),
      formDesc_(desc),
      fonts_(desc),
      navigator_(*this) {
    application.FormConstructing(this);
}

TForm::~TForm() {
    DestroyWnd();
}

// The window goes first, while the control objects still receive its children's messages.
void TForm::DestroyWnd() {
    window_.Reset();
}

void TForm::CreateWnd(HWND owner) {
    const std::string className = FormClass(formDesc_.name);
    const Bounds& b = initialBounds_;
    HWND window = CreateObjectWindow(
        WS_EX_CONTROLPARENT, className.c_str(), std::string(formDesc_.caption).c_str(),
        WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, b.left, b.top, b.width, b.height, owner, nullptr);
    if (!window)
        throw Exception("Cannot create the window of " + std::string(formDesc_.name));
    window_.Reset(window);
}

void TForm::Load(std::span<const TControlSlot> slots, const THandlers& handlers) {
    std::vector<TSlotSpec> specs;
    specs.reserve(slots.size());
    for (const TControlSlot& slot : slots)
        specs.push_back(slot.spec);
    CheckControlSlots(formDesc_, specs);
    if (!formDesc_.onCreate.empty())
        onCreate_ = handlers.Find<TNotifyHandler>(formDesc_.onCreate);

    CreateWnd(application_.Handle());
    SetFont(fonts_.WindowFont());
    for (const ControlDesc& row : formDesc_.controls) {
        if (row.kind == ControlKind::Component) {
            CreateComponent(row);
            continue;
        }
        const auto slot = std::find_if(slots.begin(), slots.end(), [&](const TControlSlot& s) {
            return s.spec.name == row.name;
        });
        CreateControl(row, ControlIdOf(formDesc_, row.name), *slot);
    }
    // Later rows of the layout lie above earlier ones.
    for (const auto& control : controls_) {
        SetWindowPos(control->Handle(), HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (const auto& control : controls_)
        BindEvents(*control, handlers);
}

void TForm::CreateControl(const ControlDesc& row, int id, const TControlSlot& slot) {
    ControlDesc desc = row;
    desc.id = id;
    std::unique_ptr<TControl> control = slot.create(*this, desc, fonts_.Scale(desc.bounds));
    HWND parent = desc.parent.empty() ? Handle() : Control(desc.parent).Handle();
    control->CreateWnd(parent);
    control->SetFont(fonts_.FontOf(desc.font, Font()));
    control->Created();
    controls_.push_back(std::move(control));
}

void TForm::CreateComponent(const ControlDesc& desc) {
    throw Exception("Unknown component class " + std::string(desc.componentClass) + " of " +
                    std::string(desc.name));
}

void TForm::BindEvents(TControl& control, const THandlers& handlers) {
    const EventBindings& e = control.Desc().events;
    auto bind = [&](std::string_view name, auto& slot) {
        if (!name.empty())
            slot = handlers.Find<std::remove_reference_t<decltype(slot)>>(name);
    };
    bind(e.onClick, control.OnClick);
    bind(e.onChange, control.OnChange);
    bind(e.onKeyDown, control.OnKeyDown);
    bind(e.onKeyPress, control.OnKeyPress);
    bind(e.onKeyUp, control.OnKeyUp);
}

void TForm::DoCreate() {
    if (!onCreate_)
        return;
    try {
        onCreate_(*this);
    } catch (...) {
        application_.HandleException(this);
    }
}

TControl& TForm::Control(std::string_view name) const {
    for (const auto& c : controls_) {
        if (c->Name() == name)
            return *c;
    }
    throw Exception("No control " + std::string(name));
}

std::vector<TControl*> TForm::Controls() const {
    std::vector<TControl*> controls;
    controls.reserve(controls_.size());
    for (const auto& c : controls_)
        controls.push_back(c.get());
    return controls;
}

int TForm::OuterWidth() const {
    RECT r{};
    GetWindowRect(Handle(), &r);
    return r.right - r.left;
}

int TForm::OuterHeight() const {
    RECT r{};
    GetWindowRect(Handle(), &r);
    return r.bottom - r.top;
}

void TForm::SetOuterSize(int width, int height) {
    SetWindowPos(Handle(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Close() {
    if (application_.MainForm() == this) {
        application_.Terminate();
    } else {
        ShowWindow(Handle(), SW_HIDE);
    }
}

LRESULT TForm::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CLOSE:
            Close();
            return 0;
        case WM_SYSCOMMAND:
            // The main window's minimise goes through the application's window, whose hooks
            // see it first.
            if ((wParam & 0xFFF0) == SC_MINIMIZE && application_.MainForm() == this) {
                return SendMessageA(application_.Handle(), msg, wParam, lParam);
            }
            break;
        case WM_SETFOCUS:
            navigator_.RestoreFocus();
            return 0;
        default:
            break;
    }
    return TControl::HandleMessage(msg, wParam, lParam);
}
