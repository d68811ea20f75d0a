#include "ui/win32/Form1.h"

#include "base/Exception.h"
#include "convert/RegionalSettings.h"
#include "toolkit/win32/Application.h"
#include "trayicon/win32/Win32TrayServices.h"
#include "ui/ArrangeWindow.h"
#include "ui/Form1Layout.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TApplication& application, TForm1*& self)
    : TForm(application, Form1Layout()),
      trayApplication_(application),
      trayServices_(
          std::make_unique<Win32TrayServices>(trayApplication_, GetModuleHandleA(nullptr))),
      datePanel_(dateView_, referenceDate_),
      timePanel_(timeView_),
      charPanel_(charView_) {
    self = this;
    try {
        Load(ControlSlots(), Handlers());
        AssignViews();
    } catch (...) {
        // The notification icon must go while the services it uses are still there: the
        // window's own destructor does not run for a construction that fails.
        DestroyComponents();
        throw;
    }
    referenceDate_ = 0;
    DoCreate();
    application.WhenIdle([this] { ShowTrayIcon(); });
}

// The notification icon goes into the notification area once the window is up. A shell that
// refuses it ends the program after saying so, as it would had it refused while the window was
// built: without the icon a minimised window could not be brought back.
void TForm1::ShowTrayIcon() {
    if (trayServices_->ReleaseShell())
        return;
    Application().RouteError(this, std::make_exception_ptr(EOutOfResources(
                                       trayServices_->ResourceString(kSCannotCreateIcon))));
    Close();
}

// The notification icon goes first, while the services it uses are still there; then the
// window, while the handlers its controls are bound to still have their panels.
TForm1::~TForm1() {
    DestroyComponents();
    DestroyWnd();
    if (Form1 == this)
        Form1 = nullptr;
}

std::vector<TControlSlot> TForm1::ControlSlots() {
#define QC_MEMBER(name) SlotOf(*this, &TForm1::name, #name)
    return {
        QC_MEMBER(Panel2),  QC_MEMBER(Label2),   QC_MEMBER(Label16),     QC_MEMBER(Label13),
        QC_MEMBER(Label1),  QC_MEMBER(Calendar), QC_MEMBER(PickDate),    QC_MEMBER(SysDate),
        QC_MEMBER(Diff),    QC_MEMBER(Panel1),   QC_MEMBER(Label15),     QC_MEMBER(Label3),
        QC_MEMBER(Label6),  QC_MEMBER(Label5),   QC_MEMBER(Label4),      QC_MEMBER(Label12),
        QC_MEMBER(PTime),   QC_MEMBER(Hr),       QC_MEMBER(Min),         QC_MEMBER(Sec),
        QC_MEMBER(Panel3),  QC_MEMBER(Label14),  QC_MEMBER(Label7),      QC_MEMBER(Label8),
        QC_MEMBER(Label9),  QC_MEMBER(Label10),  QC_MEMBER(Label11),     QC_MEMBER(editAscii),
        QC_MEMBER(editDec), QC_MEMBER(editHex),  QC_MEMBER(editControl), QC_MEMBER(editBinary),
        QC_MEMBER(Button1), QC_MEMBER(Button2),  QC_MEMBER(pnlAbout),    QC_MEMBER(Image1),
        QC_MEMBER(Label17), QC_MEMBER(Label19),  QC_MEMBER(Label18),     QC_MEMBER(Memo1),
        QC_MEMBER(Button3),
    };
#undef QC_MEMBER
}

THandlers TForm1::Handlers() {
    THandlers handlers;
#define QC_HANDLER(name) handlers.Register(#name, Method(*this, &TForm1::name))
    QC_HANDLER(FormCreate);
    QC_HANDLER(CalendarChange);
    QC_HANDLER(CalendarKeyPress);
    QC_HANDLER(PickDateKeyUp);
    QC_HANDLER(SysDateKeyUp);
    QC_HANDLER(DiffClick);
    QC_HANDLER(PTimeKeyPress);
    QC_HANDLER(HrKeyPress);
    QC_HANDLER(MinKeyPress);
    QC_HANDLER(SecKeyPress);
    QC_HANDLER(PTimeKeyUp);
    QC_HANDLER(HrKeyUp);
    QC_HANDLER(editAsciiKeyDown);
    QC_HANDLER(editAsciiKeyUp);
    QC_HANDLER(editDecKeyPress);
    QC_HANDLER(editDecKeyUp);
    QC_HANDLER(editHexKeyDown);
    QC_HANDLER(editHexKeyUp);
    QC_HANDLER(editControlKeyPress);
    QC_HANDLER(editControlKeyUp);
    QC_HANDLER(Button1Click);
    QC_HANDLER(Button2Click);
    QC_HANDLER(Button3Click);
#undef QC_HANDLER
    return handlers;
}

void TForm1::AssignViews() {
    dateView_.Assign({PickDate, SysDate, Diff});
    dateView_.AssignPicker(Calendar);
    timeView_.Assign({PTime, Hr, Min, Sec});
    charView_.Assign({editAscii, editDec, editHex, editBinary, editControl});
}

void TForm1::CreateComponent(const ControlDesc& desc) {
    if (desc.componentClass != "TTrayIcon") {
        TForm::CreateComponent(desc);
        return;
    }
    // Constructed with the window as owner, its properties written in order, then completed.
    auto* icon = new TTrayIcon(this, *trayServices_);
    icon->SetName(std::string(desc.name));
    TrayIcon1 = icon;
    icon->BeginLoading();
    for (const PropertyValue& property : desc.properties) {
        icon->ReadProperty(property.name, property.value);
    }
    icon->Loaded();
}

void TForm1::RegionalSettingsChanged() {
    const RegionalDateSettings& settings = CurrentRegionalSettings();
    Calendar->SetFormat(settings.desktopPatternsMarked ? settings.shortDatePattern : "");
}

void TForm1::FormCreate(TControl&) {
    RegionalSettingsChanged();
    datePanel_.Initialise();
    timePanel_.Initialise();
    ArrangeWindow();
}

void TForm1::ArrangeWindow() {
    const Bounds panel3 = Panel3->BoundsRect();
    const int bottom = panel3.Bottom();
    SetOuterSize(OuterWidth(), ArrangedWindowHeight(bottom));
    SetOuterSize(ArrangedWindowWidth(panel3.width), OuterHeight());
    Bounds aboutBounds = pnlAbout->BoundsRect();
    aboutBounds.height = AboutPanelHeight(OuterHeight());
    aboutBounds.width = AboutPanelWidth(OuterWidth());
    pnlAbout->SetBounds(aboutBounds);
    Button2->SetTop(ArrangedButtonTop(bottom, OuterHeight()));
    Button1->SetTop(Button2->BoundsRect().top);
}

// ---- Calendar conversions -------------------------------------------------------------------

void TForm1::CalendarChange(TControl&) {
    datePanel_.CalendarChange();
}
void TForm1::CalendarKeyPress(TControl&, char& key) {
    datePanel_.CalendarKeyPress(key);
}
void TForm1::PickDateKeyUp(TControl&, TKey) {
    datePanel_.PickDateKeyUp();
}
void TForm1::SysDateKeyUp(TControl&, TKey) {
    datePanel_.SysDateKeyUp();
}
void TForm1::DiffClick(TControl&) {
    datePanel_.DiffClick();
}

// ---- Time conversions -----------------------------------------------------------------------

void TForm1::PTimeKeyPress(TControl&, char& key) {
    timePanel_.PTimeKeyPress(key);
}
void TForm1::HrKeyPress(TControl&, char& key) {
    timePanel_.HrKeyPress(key);
}
void TForm1::MinKeyPress(TControl&, char& key) {
    timePanel_.MinKeyPress(key);
}
void TForm1::SecKeyPress(TControl&, char& key) {
    timePanel_.SecKeyPress(key);
}
void TForm1::PTimeKeyUp(TControl&, TKey) {
    timePanel_.PTimeKeyUp();
}
void TForm1::HrKeyUp(TControl&, TKey) {
    timePanel_.HrKeyUp();
}

// ---- Character conversions ------------------------------------------------------------------

void TForm1::editAsciiKeyDown(TControl&, KeyDownArgs& args) {
    charPanel_.editAsciiKeyDown(args);
}
void TForm1::editAsciiKeyUp(TControl&, TKey) {
    charPanel_.editAsciiKeyUp();
}
void TForm1::editDecKeyPress(TControl&, char& key) {
    charPanel_.editDecKeyPress(key);
}
void TForm1::editDecKeyUp(TControl&, TKey) {
    charPanel_.editDecKeyUp();
}
void TForm1::editHexKeyDown(TControl&, KeyDownArgs& args) {
    charPanel_.editHexKeyDown(args);
}
void TForm1::editHexKeyUp(TControl&, TKey) {
    charPanel_.editHexKeyUp();
}
void TForm1::editControlKeyPress(TControl&, char& key) {
    charPanel_.editControlKeyPress(key);
}
void TForm1::editControlKeyUp(TControl&, TKey) {
    charPanel_.editControlKeyUp();
}

// ---- About and Exit -------------------------------------------------------------------------

void TForm1::Button1Click(TControl&) {
    Close();
}

void TForm1::Button2Click(TControl&) {
    pnlAbout->SetVisible(true);
    SetCaption("About Zelvor");
}

void TForm1::Button3Click(TControl&) {
    pnlAbout->SetVisible(false);
    SetCaption("Quorlin Conversions");
}
