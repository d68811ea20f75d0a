#include "ui/win32/Form1.h"

#include "toolkit/win32/Application.h"
#include "toolkit/win32/DatePicker.h"
#include "trayicon/win32/Win32TrayServices.h"
#include "ui/ArrangeWindow.h"
#include "ui/Form1Layout.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TApplication& application, TForm1*& self)
    : TForm(application, Form1Layout()),
      trayApplication_(application),
      trayServices_(std::make_unique<Win32TrayServices>(trayApplication_, GetModuleHandleA(nullptr),
                                                        [&application](std::exception_ptr error) {
                                                            application.RouteError(
                                                                nullptr, std::move(error));
                                                        })),
      datePanel_(*this, referenceDate_),
      timePanel_(*this) {
    self = this;
    BindHandlers();
    try {
        Load();
        ResolveControls();
    } catch (...) {
        // The notification icon must go while the services it uses are still there: the
        // window's own destructor does not run for a construction that fails.
        DestroyComponents();
        throw;
    }
    referenceDate_ = 0;
    DoCreate();
}

// The notification icon goes first, while the services it uses are still there; then the
// window, while the handlers its controls are bound to still have their panels.
TForm1::~TForm1() {
    DestroyComponents();
    DestroyWnd();
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::ResolveControls() {
    const auto resolve = [this](auto*& member, std::string_view name) {
        member = &ControlAs<std::remove_reference_t<decltype(*member)>>(name);
    };
    resolve(Panel2, "Panel2");
    resolve(Label2, "Label2");
    resolve(Label16, "Label16");
    resolve(Label13, "Label13");
    resolve(Label1, "Label1");
    resolve(Calendar, "Calendar");
    resolve(PickDate, "PickDate");
    resolve(SysDate, "SysDate");
    resolve(Diff, "Diff");
    resolve(Panel1, "Panel1");
    resolve(Label15, "Label15");
    resolve(Label3, "Label3");
    resolve(Label6, "Label6");
    resolve(Label5, "Label5");
    resolve(Label4, "Label4");
    resolve(Label12, "Label12");
    resolve(PTime, "PTime");
    resolve(Hr, "Hr");
    resolve(Min, "Min");
    resolve(Sec, "Sec");
    resolve(Panel3, "Panel3");
    resolve(Label14, "Label14");
    resolve(Label7, "Label7");
    resolve(Label8, "Label8");
    resolve(Label9, "Label9");
    resolve(Label10, "Label10");
    resolve(Label11, "Label11");
    resolve(editAscii, "editAscii");
    resolve(editDec, "editDec");
    resolve(editHex, "editHex");
    resolve(editControl, "editControl");
    resolve(editBinary, "editBinary");
    resolve(Button1, "Button1");
    resolve(Button2, "Button2");
    resolve(pnlAbout, "pnlAbout");
    resolve(Image1, "Image1");
    resolve(Label17, "Label17");
    resolve(Label19, "Label19");
    resolve(Label18, "Label18");
    resolve(Memo1, "Memo1");
    resolve(Button3, "Button3");
}

void TForm1::BindHandlers() {
    using F = TForm1;
    auto notify = [this](void (F::*m)(TControl&)) {
        return TNotifyHandler([this, m](TControl& s) { (this->*m)(s); });
    };
    auto keyUp = [this](void (F::*m)(TControl&, TKey)) {
        return TKeyUpHandler([this, m](TControl& s, TKey k) { (this->*m)(s, k); });
    };
    auto keyPress = [this](void (F::*m)(TControl&, char&)) {
        return TKeyPressHandler([this, m](TControl& s, char& k) { (this->*m)(s, k); });
    };
    auto keyDown = [this](void (F::*m)(TControl&, KeyDownArgs&)) {
        return TKeyDownHandler([this, m](TControl& s, KeyDownArgs& a) { (this->*m)(s, a); });
    };
    Bind("FormCreate", notify(&F::FormCreate));
    Bind("CalendarChange", notify(&F::CalendarChange));
    Bind("CalendarKeyPress", keyPress(&F::CalendarKeyPress));
    Bind("PickDateKeyUp", keyUp(&F::PickDateKeyUp));
    Bind("SysDateKeyUp", keyUp(&F::SysDateKeyUp));
    Bind("DiffClick", notify(&F::DiffClick));
    Bind("PTimeKeyPress", keyPress(&F::PTimeKeyPress));
    Bind("HrKeyPress", keyPress(&F::HrKeyPress));
    Bind("MinKeyPress", keyPress(&F::MinKeyPress));
    Bind("SecKeyPress", keyPress(&F::SecKeyPress));
    Bind("PTimeKeyUp", keyUp(&F::PTimeKeyUp));
    Bind("HrKeyUp", keyUp(&F::HrKeyUp));
    Bind("editAsciiKeyDown", keyDown(&F::editAsciiKeyDown));
    Bind("editAsciiKeyUp", keyUp(&F::editAsciiKeyUp));
    Bind("editDecKeyPress", keyPress(&F::editDecKeyPress));
    Bind("editDecKeyUp", keyUp(&F::editDecKeyUp));
    Bind("editHexKeyDown", keyDown(&F::editHexKeyDown));
    Bind("editHexKeyUp", keyUp(&F::editHexKeyUp));
    Bind("editControlKeyPress", keyPress(&F::editControlKeyPress));
    Bind("editControlKeyUp", keyUp(&F::editControlKeyUp));
    Bind("Button1Click", notify(&F::Button1Click));
    Bind("Button2Click", notify(&F::Button2Click));
    Bind("Button3Click", notify(&F::Button3Click));
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

void TForm1::FormCreate(TControl&) {
    datePanel_.Initialise();
    timePanel_.Initialise();
    ArrangeWindow();
}

void TForm1::ArrangeWindow() {
    const Bounds panel3 = Panel3->BoundsRect();
    const int bottom = panel3.Bottom();
    SetOuterSize(OuterWidth(), ArrangedWindowHeight(bottom));
    SetOuterSize(ArrangedWindowWidth(panel3.width), OuterHeight());
    TControl& about = *pnlAbout;
    Bounds aboutBounds = about.BoundsRect();
    aboutBounds.height = AboutPanelHeight(OuterHeight());
    aboutBounds.width = AboutPanelWidth(OuterWidth());
    about.SetBounds(aboutBounds);
    TControl& button2 = *Button2;
    button2.SetTop(ArrangedButtonTop(bottom, OuterHeight()));
    Button1->SetTop(button2.BoundsRect().top);
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

std::string TForm1::ReadPickDate() {
    return PickDate->Text();
}
void TForm1::WritePickDate(const std::string& text) {
    PickDate->SetText(text);
}
std::string TForm1::ReadSysDate() {
    return SysDate->Text();
}
void TForm1::WriteSysDate(const std::string& text) {
    SysDate->SetText(text);
}
void TForm1::WriteDiffCaption(const std::string& text) {
    Diff->SetText(text);
}
TDateTime TForm1::ReadPickerValue() {
    return Calendar->Value();
}
void TForm1::WritePickerDay(std::int32_t daySerial) {
    Calendar->SetDay(daySerial);
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

std::string TForm1::GetPTimeText() const {
    return PTime->Text();
}
void TForm1::SetPTimeText(const std::string& text) {
    PTime->SetText(text);
}
std::string TForm1::GetHrText() const {
    return Hr->Text();
}
void TForm1::SetHrText(const std::string& text) {
    Hr->SetText(text);
}
std::string TForm1::GetMinText() const {
    return Min->Text();
}
void TForm1::SetMinText(const std::string& text) {
    Min->SetText(text);
}
std::string TForm1::GetSecText() const {
    return Sec->Text();
}
void TForm1::SetSecText(const std::string& text) {
    Sec->SetText(text);
}

// ---- Character conversions ------------------------------------------------------------------

TControl& TForm1::CharField(enum CharField field) const {
    switch (field) {
        case CharField::cfAscii:
            return *editAscii;
        case CharField::cfDec:
            return *editDec;
        case CharField::cfHex:
            return *editHex;
        case CharField::cfBinary:
            return *editBinary;
        case CharField::cfCtrl:
        default:
            return *editControl;
    }
}

CharPanelTexts TForm1::ReadCharPanel() const {
    return CharPanelTexts{CharField(CharField::cfAscii).Text(), CharField(CharField::cfDec).Text(),
                          CharField(CharField::cfHex).Text(), CharField(CharField::cfBinary).Text(),
                          CharField(CharField::cfCtrl).Text()};
}

// Writes back only what the operation wrote, in its order; equal texts leave a field untouched.
void TForm1::WriteCharPanel(const CharPanelResult& result) {
    for (enum CharField field : result.written) {
        CharField(field).SetText(FieldText(result.texts, field));
    }
}

void TForm1::editAsciiKeyDown(TControl&, KeyDownArgs&) {
    WriteCharPanel(AsciiKeyDown(ReadCharPanel()));
}
void TForm1::editAsciiKeyUp(TControl&, TKey) {
    WriteCharPanel(FromAscii(ReadCharPanel()));
}

void TForm1::editDecKeyPress(TControl&, char& key) {
    ApplyKeyVerdict(FilterDecKey(key), key);
}
void TForm1::editDecKeyUp(TControl&, TKey) {
    WriteCharPanel(FromDec(ReadCharPanel()));
}

void TForm1::editHexKeyDown(TControl&, KeyDownArgs& args) {
    ApplyKeyVerdict(FilterHexKey(args, CharField(CharField::cfHex).Text()), args);
}
void TForm1::editHexKeyUp(TControl&, TKey) {
    WriteCharPanel(FromHex(ReadCharPanel()));
}

void TForm1::editControlKeyPress(TControl&, char& key) {
    const CharKeyResult result = FilterControlKey(key, ReadCharPanel());
    WriteCharPanel(result.panel);
    ApplyKeyVerdict(result.verdict, key);
}
void TForm1::editControlKeyUp(TControl&, TKey) {
    WriteCharPanel(FromControl(ReadCharPanel()));
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
