#include "NameDialogDesign.h"

NameDialogDesign::NameDialogDesign() {
    SetName("NameDialog");
    SetText("Who are you?");
    SetBounds(0, 0, 328, 223);
    QForm::SetDialogKeys(true);
    QForm::SetFormKind(::fkDialog);
    QForm::SetFont(::FontOf("Tahoma,8"));

    NameLabel.SetClassName("QLabel");
    NameLabel.SetName("NameLabel");
    NameLabel.SetText("&Name:");
    NameLabel.SetAlign(alNone);
    NameLabel.SetBounds(12, 15, 60, 18);
    NameLabel.SetStyle(0x56000100);
    NameLabel.SetExStyle(0x00000000);
    NameLabel.SetID(1001);
    NameLabel.SetParent(this);

    NameEdit.SetClassName("QEdit");
    NameEdit.SetName("NameEdit");
    NameEdit.SetText("");
    NameEdit.SetAlign(alNone);
    NameEdit.SetBounds(80, 12, 224, 21);
    NameEdit.SetStyle(0x56010080);
    NameEdit.SetExStyle(0x00000200);
    NameEdit.SetID(1002);
    NameEdit.SetParent(this);

    Secret.SetClassName("QEdit");
    Secret.SetName("Secret");
    Secret.SetText("not shown");
    Secret.SetAlign(alNone);
    Secret.SetBounds(80, 40, 224, 21);
    Secret.SetStyle(0x46010080);
    Secret.SetExStyle(0x00000200);
    Secret.SetID(1003);
    Secret.SetVisible(false);
    Secret.SetParent(this);

    CodeLabel.SetClassName("QLabel");
    CodeLabel.SetName("CodeLabel");
    CodeLabel.SetText("Code:");
    CodeLabel.SetAlign(alNone);
    CodeLabel.SetBounds(12, 47, 60, 18);
    CodeLabel.SetStyle(0x56000100);
    CodeLabel.SetExStyle(0x00000000);
    CodeLabel.SetID(1004);
    CodeLabel.SetParent(this);

    Code.SetClassName("QEdit");
    Code.SetName("Code");
    Code.SetText("A-17 (fixed)");
    Code.SetAlign(alNone);
    Code.SetBounds(80, 44, 224, 21);
    Code.SetStyle(0x5E010080);
    Code.SetExStyle(0x00000200);
    Code.SetID(1005);
    Code.SetEnabled(false);
    Code.SetParent(this);

    TownLabel.SetClassName("QLabel");
    TownLabel.SetName("TownLabel");
    TownLabel.SetText("&Town:");
    TownLabel.SetAlign(alNone);
    TownLabel.SetBounds(12, 79, 60, 18);
    TownLabel.SetStyle(0x56000100);
    TownLabel.SetExStyle(0x00000000);
    TownLabel.SetID(1006);
    TownLabel.SetParent(this);

    TownEdit.SetClassName("QEdit");
    TownEdit.SetName("TownEdit");
    TownEdit.SetText("");
    TownEdit.SetAlign(alNone);
    TownEdit.SetBounds(80, 76, 224, 21);
    TownEdit.SetStyle(0x56010080);
    TownEdit.SetExStyle(0x00000200);
    TownEdit.SetID(1007);
    TownEdit.SetParent(this);

    Remember.SetClassName("QCheckBox");
    Remember.SetName("Remember");
    Remember.SetText("&Remember me");
    Remember.SetAlign(alNone);
    Remember.SetBounds(80, 108, 160, 19);
    Remember.SetStyle(0x56010003);
    Remember.SetExStyle(0x00000000);
    Remember.SetID(1008);
    Remember.SetParent(this);

    OkButton.SetClassName("QButton");
    OkButton.SetName("OkButton");
    OkButton.SetText("OK");
    OkButton.SetAlign(alNone);
    OkButton.SetBounds(148, 156, 75, 28);
    OkButton.SetStyle(0x56010001);
    OkButton.SetExStyle(0x00000000);
    OkButton.SetID(1009);
    OkButton.SetModalResult(::mrOk);
    OkButton.SetParent(this);

    CancelButton.SetClassName("QButton");
    CancelButton.SetName("CancelButton");
    CancelButton.SetText("Cancel");
    CancelButton.SetAlign(alNone);
    CancelButton.SetBounds(229, 156, 75, 28);
    CancelButton.SetStyle(0x56010000);
    CancelButton.SetExStyle(0x00000000);
    CancelButton.SetID(1010);
    CancelButton.SetCancel(true);
    CancelButton.SetModalResult(::mrCancel);
    CancelButton.SetParent(this);

    NameLabel.SetFocusControl(&NameEdit);
    TownLabel.SetFocusControl(&TownEdit);
}
