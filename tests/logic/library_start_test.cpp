// What core.dll's entry runs: a repeated start or stop changes nothing, and a restart registers
// the classes again and keeps the one Application.
#include "object/forms.h"
#include "object/library_start.h"
#include "support/library_classes.h"

#include <gtest/gtest.h>

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
