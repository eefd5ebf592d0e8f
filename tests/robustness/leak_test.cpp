// Create/destroy cycles of every component on a form, and of the canvas colour: every C++
// allocation of a cycle is given back and the brushes the library lets go are deleted. The
// soak adds thousands of cycles with the process's private memory watched.
#include "allocation_count.h"
#include "components.h"
#include "soak.h"
#include "test_forms.h" // from tests/window

#include <psapi.h>

#include <functional>
#include <memory>

namespace {

SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    return counters.PrivateUsage;
}

using Maker = std::function<std::unique_ptr<QFrame>()>;

class LeakTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        RegisterAllClasses();
        form.SetVisible(false);
        form.SetParent(nullptr);
    }
    // Make, place on the form, paint, destroy; answers whether the component's brush is gone.
    bool CycleFreesTheBrush(const Maker& Make) {
        std::unique_ptr<QFrame> component = Make();
        component->SetParent(&form);
        UpdateWindow(component->Handle());
        HBRUSH brush = component->Canvas.Brush();
        component->DestroyHandle();
        component.reset();
        return GetObjectType(brush) == 0;
    }
    // Runs Cycles cycles after a warm-up; counts the cycles that kept their brush.
    int CyclesKeepingBrushes(const Maker& Make, int WarmUp, int Cycles) {
        for (int i = 0; i < WarmUp; ++i)
            CycleFreesTheBrush(Make);
        int kept = 0;
        for (int i = 0; i < Cycles; ++i)
            kept += !CycleFreesTheBrush(Make);
        return kept;
    }
    QForm form;
    StdoutCapture quiet; // the creation lines of the windows
};

} // namespace

TEST_F(LeakTest, EveryComponentGivesBackEachAllocationAndBrush) {
    for (const ComponentKind& component : AllComponents()) {
        SCOPED_TRACE(component.Name);
        // The warm-up lets caches and registries reach their size.
        CyclesKeepingBrushes(component.Make, 10, 0);
        long long before = LiveAllocations();
        EXPECT_EQ(CyclesKeepingBrushes(component.Make, 0, 50), 0);
        EXPECT_EQ(LiveAllocations(), before) << "allocations kept by 50 cycles";
    }
}

TEST_F(LeakTest, SoakThousandsOfCyclesKeepPrivateMemoryLevel) {
    if (!SoakRequested()) GTEST_SKIP() << "scripts/soak runs it";
    for (const ComponentKind& component : AllComponents()) {
        SCOPED_TRACE(component.Name);
        CyclesKeepingBrushes(component.Make, 200, 0);
        SIZE_T before = PrivateBytes();
        EXPECT_EQ(CyclesKeepingBrushes(component.Make, 0, 10000), 0);
        SIZE_T after = PrivateBytes();
        EXPECT_LT(after > before ? after - before : 0, 2u << 20) << "private memory grows";
    }
}

TEST_F(LeakTest, ColourChangesDeleteTheBrushTheyReplace) {
    QCanvas canvas;
    int alive = 0;
    // Checked at once: a deleted brush's handle value may name a later brush.
    for (int i = 0; i < 1000; ++i) {
        HBRUSH replaced = canvas.Brush();
        canvas.SetColor(RGB(i % 256, 0, 0));
        alive += replaced && GetObjectType(replaced) != 0;
    }
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(GetObjectType(canvas.Brush()), static_cast<DWORD>(OBJ_BRUSH));
}
