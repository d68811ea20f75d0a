#include "toolkit/win32/Form.h"

#include <algorithm>

#include "base/Exception.h"
#include "toolkit/win32/Application.h"
#include "toolkit/win32/TextMeasure.h"

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
    std::vector<TSlotSpec> bindings;
    bindings.reserve(slots.size());
    for (const TControlSlot& slot : slots)
        bindings.push_back(slot.binding);
    CheckControlSlots(formDesc_, bindings);
    if (!formDesc_.onCreate.empty())
        onCreate_ = handlers.Find<TNotifyHandler>(formDesc_.onCreate);
    slots_.assign(slots.begin(), slots.end());
    handlers_ = &handlers;

    CreateWnd(application_.Handle());
    SetFont(fonts_.WindowFont());
    // The controls inside a hidden panel are made when the panel is first shown.
    std::vector<const ControlDesc*> now;
    for (const ControlDesc& row : formDesc_.controls) {
        if (row.kind == ControlKind::Component) {
            CreateComponent(row);
        } else if (InsideHiddenPanel(row)) {
            pending_.push_back(&row);
        } else {
            now.push_back(&row);
        }
    }
    CreateControls(now);
    handlers_ = nullptr;
    // What the pending controls will need of the handlers is bound now, while they are at hand.
    for (const ControlDesc* row : pending_)
        pendingEvents_.push_back(BoundEvents(row->events, handlers));
}

bool TForm::InsideHiddenPanel(const ControlDesc& row) const {
    for (std::string_view parent = row.parent; !parent.empty();) {
        const ControlDesc* parentRow = nullptr;
        for (const ControlDesc& candidate : formDesc_.controls) {
            if (candidate.name == parent)
                parentRow = &candidate;
        }
        if (!parentRow)
            return false;
        if (!parentRow->visible)
            return true;
        parent = parentRow->parent;
    }
    return false;
}

void TForm::CreateControls(const std::vector<const ControlDesc*>& rows) {
    TTextMeasure measure;
    const std::size_t first = controls_.size();
    for (const ControlDesc* row : rows)
        CreateControl(*row, measure);
    // Later rows of the layout lie above earlier ones: the desktop puts each new window at the
    // bottom of its siblings, so the new controls are restacked, each parent's in one batch.
    std::vector<HWND> parents;
    for (std::size_t i = first; i < controls_.size(); ++i) {
        const HWND parent = GetParent(controls_[i]->Handle());
        if (std::find(parents.begin(), parents.end(), parent) == parents.end())
            parents.push_back(parent);
    }
    for (HWND parent : parents) {
        HDWP batch = BeginDeferWindowPos(static_cast<int>(controls_.size() - first));
        for (std::size_t i = first; i < controls_.size() && batch; ++i) {
            if (GetParent(controls_[i]->Handle()) == parent) {
                batch = DeferWindowPos(batch, controls_[i]->Handle(), HWND_TOP, 0, 0, 0, 0,
                                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            }
        }
        if (batch)
            EndDeferWindowPos(batch);
    }
}

void TForm::CreateControl(const ControlDesc& row, TTextMeasure& measure) {
    const auto slot = std::find_if(slots_.begin(), slots_.end(), [&](const TControlSlot& s) {
        return s.binding.name == row.name;
    });
    ControlDesc desc = row;
    desc.id = ControlIdOf(formDesc_, row.name);
    std::unique_ptr<TControl> control = slot->create(*this, desc, fonts_.Scale(desc.bounds));
    control->SetFont(fonts_.FontOf(desc.font, Font()));
    control->Measure(measure);
    HWND parent = desc.parent.empty() ? Handle() : Control(desc.parent).Handle();
    control->CreateWnd(parent);
    control->SetFont(control->Font());
    if (handlers_) {
        BindEvents(*control, *handlers_);
    } else {
        const auto at = static_cast<std::size_t>(std::find(pending_.begin(), pending_.end(), &row) -
                                                 pending_.begin());
        ApplyEvents(*control, pendingEvents_.at(at));
    }
    controls_.push_back(std::move(control));
}

void TForm::CreatePendingChildren(const TControl& panel) {
    if (pending_.empty())
        return;
    std::vector<const ControlDesc*> rows;
    std::vector<std::string_view> parents{panel.Name()};
    for (const ControlDesc* row : pending_) {
        if (std::find(parents.begin(), parents.end(), row->parent) != parents.end()) {
            rows.push_back(row);
            parents.push_back(row->name);
        }
    }
    if (rows.empty())
        return;
    CreateControls(rows);
    for (const ControlDesc* row : rows) {
        const auto at = std::find(pending_.begin(), pending_.end(), row) - pending_.begin();
        pending_.erase(pending_.begin() + at);
        pendingEvents_.erase(pendingEvents_.begin() + at);
    }
}

void TForm::CreateComponent(const ControlDesc& desc) {
    throw Exception("Unknown component class " + std::string(desc.componentClass) + " of " +
                    std::string(desc.name));
}

TForm::TEvents TForm::BoundEvents(const EventBindings& e, const THandlers& handlers) {
    TEvents events;
    auto bind = [&](std::string_view name, auto& slot) {
        if (!name.empty())
            slot = handlers.Find<std::remove_reference_t<decltype(slot)>>(name);
    };
    bind(e.onClick, events.onClick);
    bind(e.onChange, events.onChange);
    bind(e.onKeyDown, events.onKeyDown);
    bind(e.onKeyPress, events.onKeyPress);
    bind(e.onKeyUp, events.onKeyUp);
    return events;
}

void TForm::ApplyEvents(TControl& control, const TEvents& events) {
    control.OnClick = events.onClick;
    control.OnChange = events.onChange;
    control.OnKeyDown = events.onKeyDown;
    control.OnKeyPress = events.onKeyPress;
    control.OnKeyUp = events.onKeyUp;
}

void TForm::BindEvents(TControl& control, const THandlers& handlers) {
    ApplyEvents(control, BoundEvents(control.Desc().events, handlers));
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

TControl* TForm::FindControl(std::string_view name) const {
    for (const auto& c : controls_) {
        if (c->Name() == name)
            return c.get();
    }
    return nullptr;
}

TControl& TForm::Control(std::string_view name) const {
    if (TControl* control = FindControl(name))
        return *control;
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
