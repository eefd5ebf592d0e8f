// Dialogs and the keyboard: a main form whose button opens NameDialog, designed in the
// designer (NameDialog.vform), modally, and shows its answer.
#include "NameDialog.h"
#include "object/library_start.h"

class MainForm : public QForm {
public:
    MainForm() {
        SetText("Dialogs and the keyboard");
        SetBounds(80, 80, 400, 150);
        SetDialogKeys(true);
        Answer.SetText("Nobody asked yet.");
        Answer.SetBounds(16, 16, 360, 18);
        Answer.SetParent(this);
        Ask.SetText("&Ask...");
        Ask.SetBounds(16, 56, 90, 28);
        Ask.SetID(AskCommand);
        Ask.SetTabStop(true);
        Ask.SetDefault(true);
        Ask.SetParent(this);
        // A press raises OnClick; the dialog opens once the press is handled.
        Ask.OnClick = [](QFrame* Sender) {
            PostMessageA(Sender->ParentHandle(), WM_COMMAND, AskCommand, 0);
        };
        OnMenuCommand = [](QFrame* Sender, int Id, int) {
            if (Id == AskCommand) static_cast<MainForm*>(Sender)->AskForAName();
        };
        OnClose = [](QFrame*, int&) { PostQuitMessage(0); };
    }
    MainForm* Self() override { return this; }

private:
    static constexpr int AskCommand = 100;

    void AskForAName() {
        NameDialog dialog;
        if (dialog.ShowModal() == mrOk)
            Answer.SetText("Hello, " + dialog.NameEdit.Text() + " from " +
                           dialog.TownEdit.Text() + "!");
        else
            Answer.SetText("You cancelled.");
    }

    QLabel Answer;
    QButton Ask;
};

int main() {
    StartLibrary(); // registers the classes and creates Application, as loading core.dll does
    MainForm form;
    form.SetParent(nullptr);
    return Application->Run();
}
