// The growable lists of QObject and QFrame, and ownership between frames, without windows.
#include "containers/string_list.h"
#include "object/frame.h"

#include <gtest/gtest.h>

TEST(ChildList, RefusesDuplicatesAndKeepsOrderOnRemove) {
    QFrame parent, a, b, c;
    parent.AddControl(&a);
    parent.AddControl(&a);
    EXPECT_EQ(parent.ControlCount(), 1);
    parent.RemoveControl(&a);
    EXPECT_EQ(parent.ControlCount(), 0);
    parent.RemoveControl(&a);
    EXPECT_EQ(parent.ControlCount(), 0);

    parent.AddControl(&a);
    parent.AddControl(&b);
    parent.AddControl(&c);
    parent.RemoveControl(&b);
    ASSERT_EQ(parent.ControlCount(), 2);
    EXPECT_EQ(parent.Controls(0), &a);
    EXPECT_EQ(parent.Controls(1), &c);
    EXPECT_EQ(parent.IndexOfControl(&b), -1);
    EXPECT_EQ(parent.Controls(-1), nullptr);
    EXPECT_EQ(parent.Controls(parent.ControlCount()), nullptr);
    parent.RemoveControl(&a);
    parent.RemoveControl(&c);
}

namespace {
int nameChanges = 0;
void CountNameChange(QObject*) {
    ++nameChanges;
}
} // namespace

TEST(ObjectName, EveryAssignmentRaisesOnNameChange) {
    QObject object;
    object.OnNameChange = CountNameChange;
    object.SetName("Form1");
    object.SetName("Form1");
    EXPECT_EQ(nameChanges, 2);
    EXPECT_EQ(object.Name(), "Form1");
}

TEST(ChildList, NullNeverEntersAList) {
    QFrame parent;
    parent.InsertControl(nullptr);
    parent.AddControl(nullptr);
    parent.AddObject(nullptr);
    EXPECT_EQ(parent.ControlCount(), 0);
    EXPECT_EQ(parent.ObjectCount(), 0);
}

TEST(ObjectList, ADestroyedListLeavesEveryHolderThatNamedIt) {
    QObject first, second;
    auto* list = new QStrings;
    list->SetParent(&first);
    list->SetParent(&second); // the first parent keeps it in its list
    EXPECT_EQ(first.IndexOfObject(list), 0);
    EXPECT_EQ(second.IndexOfObject(list), 0);
    second.RemoveObject(list);
    EXPECT_EQ(second.IndexOfObject(list), -1);
    second.AddObject(list);
    delete list;
    EXPECT_EQ(first.ObjectCount(), 0);
    EXPECT_EQ(second.ObjectCount(), 0);

    // A holder destroyed first must not be reached from its former entries.
    auto* holder = new QObject;
    QStrings kept;
    kept.SetParent(holder);
    delete holder;
    EXPECT_EQ(kept.Parent(), nullptr);
}
