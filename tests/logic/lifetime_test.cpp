// Lifetimes: the child and object lists hold each live object once, in order, never null, and
// no entry or Parent is left naming an object that is gone, not even by a static form destroyed
// last; the library's start and stop can repeat.
#include "containers/string_list.h"
#include "object/forms.h"
#include "object/library_start.h"
#include "support/library_classes.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QStrings* Orphan = nullptr;

// A static form is destroyed after the library's registries, which are built at their first
// use, after it: its destructor must still clear the Parent of a list it holds. The check is
// registered before the form exists, so it runs after the form's destructor, and fails the
// program's exit code.
const int Checked = std::atexit([] {
    if (Orphan && Orphan->Parent()) std::_Exit(1);
});
QForm StaticForm;

} // namespace

TEST(Lists, HoldEachLiveObjectOnceInOrder) {
    QFrame parent, a, b, c;
    for (QFrame* child : {&a, &a, &b, &c, static_cast<QFrame*>(nullptr)})
        parent.AddControl(child);
    parent.InsertControl(nullptr);
    parent.AddObject(nullptr);
    parent.RemoveControl(&b);
    parent.RemoveControl(&b);
    std::string seen;
    for (int i = -1; i <= parent.ControlCount(); ++i)
        seen += parent.Controls(i) == &a ? "a" : parent.Controls(i) == &c ? "c" : "-";
    for (QObject* object : {&a, &b, &c, &a})
        parent.AddObject(object);
    parent.RemoveObject(&a);
    parent.RemoveObject(&a);
    parent.RemoveObject(&parent);
    seen += " objects";
    for (int i = 0; i < parent.ObjectCount(); ++i)
        seen += parent.Objects(i) == &b ? " b" : parent.Objects(i) == &c ? " c" : " ?";
    EXPECT_EQ(seen, "-ac- objects b c");
}

// A destroyed object leaves every holder and a destroyed holder its objects; a frame's
// destruction clears ActiveControl only where it names that frame.
TEST(Lists, NothingNamesADestroyedObject) {
    QFrame form, active;
    auto* gone = new QFrame;
    form.ActiveControl = &active;
    active.ActiveControl = gone;
    delete gone;
    EXPECT_EQ(form.ActiveControl, &active);
    EXPECT_EQ(active.ActiveControl, nullptr);
    QObject first, second;
    auto* list = new QStrings;
    list->SetParent(&first);
    list->SetParent(&second); // the first parent keeps it in its list
    EXPECT_EQ(first.IndexOfObject(list) + second.IndexOfObject(list), 0);
    delete list;
    EXPECT_EQ(first.ObjectCount() + second.ObjectCount(), 0);
    // Taken out of one list, an object still leaves the other when it goes.
    auto* shared = new QObject;
    first.AddObject(shared), second.AddObject(shared), first.RemoveObject(shared);
    delete shared;
    EXPECT_EQ(first.ObjectCount() + second.ObjectCount(), 0);

    (Orphan = new QStrings)->SetParent(&StaticForm);
    auto* holder = new QObject;
    QStrings kept;
    kept.SetParent(holder);
    delete holder;
    EXPECT_EQ(kept.Parent(), nullptr);
}

// What core.dll's entry runs: a repeated start or stop changes nothing, and a restart registers
// the classes again and keeps the one Application.
TEST(LibraryStart, RepeatsChangeNothingAndARestartKeepsTheApplication) {
    StartLibrary();
    QApplication* const first = Application;
    std::string seen;
    for (void (*step)() : {StartLibrary, StopLibrary, StopLibrary, StartLibrary, StopLibrary}) {
        step();
        seen += IsRegistered("QForm") && IsRegistered("QPanel") ? "on " : "off ";
        seen += Application == first ? "" : "other ";
    }
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(seen, "on off off on off ");
}
