#include "CustomerFormDesign.h"

CustomerFormDesign::CustomerFormDesign() {
    SetName("CustomerForm");
    SetText("Customer");
    SetBounds(0, 0, 564, 423);
    QForm::SetDialogKeys(true);
    QForm::SetFont(::FontOf("Tahoma,8"));
    QForm::OnClose = [](QFrame* Sender, int& Action) {
        if (CustomerFormDesign* form = FormOf(Sender)) form->FormClose(Sender, Action);
    };

    Header.SetClassName("QPanel");
    Header.SetName("Header");
    Header.SetText("Customer details");
    Header.SetAlign(alTop);
    Header.SetBounds(0, 0, 556, 40);
    Header.SetStyle(0x56000000);
    Header.SetExStyle(0x00010000);
    Header.SetID(1001);
    Header.Canvas.SetColor(0x00703010);
    Header.Canvas.SetTextColor(0x00FFFFFF);
    Header.SetParent(this);

    NameLabel.SetClassName("QLabel");
    NameLabel.SetName("NameLabel");
    NameLabel.SetText("Name");
    NameLabel.SetAlign(alNone);
    NameLabel.SetBounds(16, 64, 80, 18);
    NameLabel.SetStyle(0x56000100);
    NameLabel.SetExStyle(0x00000000);
    NameLabel.SetID(1002);
    NameLabel.SetParent(this);

    NameEdit.SetClassName("QEdit");
    NameEdit.SetName("NameEdit");
    NameEdit.SetText("Zoë Ζωή Зоя");
    NameEdit.SetAlign(alNone);
    NameEdit.SetBounds(100, 62, 200, 21);
    NameEdit.SetStyle(0x56000080);
    NameEdit.SetExStyle(0x00000200);
    NameEdit.SetID(1003);
    NameEdit.SetParent(this);

    MailLabel.SetClassName("QLabel");
    MailLabel.SetName("MailLabel");
    MailLabel.SetText("E-mail");
    MailLabel.SetAlign(alNone);
    MailLabel.SetBounds(16, 94, 80, 18);
    MailLabel.SetStyle(0x56000100);
    MailLabel.SetExStyle(0x00000000);
    MailLabel.SetID(1004);
    MailLabel.SetParent(this);

    MailEdit.SetClassName("QEdit");
    MailEdit.SetName("MailEdit");
    MailEdit.SetText("zoe@example.org");
    MailEdit.SetAlign(alNone);
    MailEdit.SetBounds(100, 92, 200, 21);
    MailEdit.SetStyle(0x56000080);
    MailEdit.SetExStyle(0x00000200);
    MailEdit.SetID(1005);
    MailEdit.SetParent(this);

    Plan.SetClassName("QGroupBox");
    Plan.SetName("Plan");
    Plan.SetText("Plan");
    Plan.SetAlign(alNone);
    Plan.SetBounds(320, 56, 228, 92);
    Plan.SetStyle(0x56000007);
    Plan.SetExStyle(0x00000020);
    Plan.SetID(1006);
    Plan.SetParent(this);

    Basic.SetClassName("QRadioButton");
    Basic.SetName("Basic");
    Basic.SetText("Basic");
    Basic.SetAlign(alNone);
    Basic.SetBounds(16, 22, 100, 19);
    Basic.SetStyle(0x56000009);
    Basic.SetExStyle(0x00000000);
    Basic.SetID(1007);
    Basic.SetParent(&Plan);

    Premium.SetClassName("QRadioButton");
    Premium.SetName("Premium");
    Premium.SetText("Premium");
    Premium.SetAlign(alNone);
    Premium.SetBounds(16, 48, 100, 19);
    Premium.SetStyle(0x56000009);
    Premium.SetExStyle(0x00000000);
    Premium.SetID(1008);
    Premium.SetParent(&Plan);

    Newsletter.SetClassName("QCheckBox");
    Newsletter.SetName("Newsletter");
    Newsletter.SetText("Send the newsletter");
    Newsletter.SetAlign(alNone);
    Newsletter.SetBounds(16, 124, 200, 19);
    Newsletter.SetStyle(0x56000003);
    Newsletter.SetExStyle(0x00000000);
    Newsletter.SetID(1009);
    Newsletter.SetParent(this);

    Notes.SetClassName("QMemo");
    Notes.SetName("Notes");
    Notes.SetText("Notes about the customer");
    Notes.SetAlign(alNone);
    Notes.SetBounds(16, 156, 284, 120);
    Notes.SetStyle(0x56001044);
    Notes.SetExStyle(0x00000200);
    Notes.SetID(1010);
    Notes.SetParent(this);

    History.SetClassName("QListBox");
    History.SetName("History");
    History.SetText("History");
    History.SetAlign(alNone);
    History.SetBounds(320, 156, 228, 120);
    History.SetStyle(0x56000140);
    History.SetExStyle(0x00000200);
    History.SetID(1011);
    History.SetParent(this);

    Country.SetClassName("QComboBox");
    Country.SetName("Country");
    Country.SetText("Ελλάδα");
    Country.SetAlign(alNone);
    Country.SetBounds(16, 290, 150, 24);
    Country.SetStyle(0x56000602);
    Country.SetExStyle(0x00000000);
    Country.SetID(1012);
    Country.SetParent(this);

    Zoom.SetClassName("QScrollBar");
    Zoom.SetName("Zoom");
    Zoom.SetText("Zoom");
    Zoom.SetAlign(alNone);
    Zoom.SetBounds(180, 292, 120, 17);
    Zoom.SetStyle(0x56000000);
    Zoom.SetExStyle(0x00000000);
    Zoom.SetID(1013);
    Zoom.SetParent(this);

    Buttons.SetClassName("QPanel");
    Buttons.SetName("Buttons");
    Buttons.SetText("");
    Buttons.SetAlign(alBottom);
    Buttons.SetBounds(0, 352, 556, 44);
    Buttons.SetStyle(0x56000000);
    Buttons.SetExStyle(0x00010000);
    Buttons.SetID(1016);
    Buttons.SetBorderStyle(::bsRaised);
    Buttons.SetParent(this);

    SaveButton.SetClassName("QButton");
    SaveButton.SetName("SaveButton");
    SaveButton.SetText("Save");
    SaveButton.SetAlign(alNone);
    SaveButton.SetBounds(392, 7, 75, 30);
    SaveButton.SetStyle(0x56010000);
    SaveButton.SetExStyle(0x00000000);
    SaveButton.SetID(1014);
    SaveButton.OnClick = [](QFrame* Sender) {
        if (CustomerFormDesign* form = FormOf(Sender)) form->SaveButtonClick(Sender);
    };
    SaveButton.SetParent(&Buttons);

    CancelButton.SetClassName("QButton");
    CancelButton.SetName("CancelButton");
    CancelButton.SetText("Cancel");
    CancelButton.SetAlign(alNone);
    CancelButton.SetBounds(473, 7, 75, 30);
    CancelButton.SetStyle(0x56010000);
    CancelButton.SetExStyle(0x00000000);
    CancelButton.SetID(1015);
    CancelButton.OnClick = [](QFrame* Sender) {
        if (CustomerFormDesign* form = FormOf(Sender)) form->CancelButtonClick(Sender);
    };
    CancelButton.SetParent(&Buttons);

    Status.SetClassName("QLabel");
    Status.SetName("Status");
    Status.SetText("No changes saved");
    Status.SetAlign(alLeft);
    Status.SetBounds(0, 0, 200, 44);
    Status.SetStyle(0x56000300);
    Status.SetExStyle(0x00000000);
    Status.SetID(1017);
    Status.SetParent(&Buttons);
}

void CustomerFormDesign::CreateHandle() {
    QForm::CreateHandle();
    // The lists' items go in once their windows exist.
    History.Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Ordered two chairs"));
    History.Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Paid"));
    History.Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Delivered"));
    Country.Perform(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Ελλάδα"));
    Country.Perform(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Italia"));
    Country.Perform(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("España"));
    Country.Perform(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("България"));
}

CustomerFormDesign* CustomerFormDesign::FormOf(QFrame* Sender) {
    for (QFrame* frame = Sender; frame; frame = frame->Parent())
        if (auto* form = dynamic_cast<CustomerFormDesign*>(frame)) return form;
    return nullptr;
}
