// Create/destroy cycles of every component on a form, and of the canvas colour: the brushes
// the library lets go are deleted and the process's private memory stays level.
#include "components.h"
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
    // Cycles of Make, place on the form, paint, destroy; answers the private-memory growth
    // after a warm-up, and checks that every brush of a destroyed component is gone.
    SIZE_T Cycle(const Maker& Make, int Cycles) {
        auto once = [&] {
            std::unique_ptr<QFrame> component = Make();
            component->SetParent(&form);
            UpdateWindow(component->Handle());
            HBRUSH brush = component->Canvas.Brush();
            component->DestroyHandle();
            component.reset();
            return brush;
        };
        for (int i = 0; i < 200; ++i)
            once();
        SIZE_T before = PrivateBytes();
        int kept = 0;
        for (int i = 0; i < Cycles; ++i)
            kept += GetObjectType(once()) != 0;
        EXPECT_EQ(kept, 0) << "brushes of destroyed components still exist";
        SIZE_T after = PrivateBytes();
        return after > before ? after - before : 0;
    }
    QForm form;
    StdoutCapture quiet; // the creation lines of thousands of windows
};

} // namespace

TEST_F(LeakTest, ComponentsLeaveNeitherBrushesNorMemoryBehind) {
    for (const ComponentKind& component : AllComponents())
        EXPECT_LT(Cycle(component.Make, 10000), 2u << 20)
            << component.Name << " grows the private memory";
}

TEST_F(LeakTest, ColourChangesDeleteTheBrushTheyReplace) {
    QCanvas canvas;
    int alive = 0;
    // Checked at once: a deleted brush's handle value may name a later brush.
    for (int i = 0; i < 10000; ++i) {
        HBRUSH replaced = canvas.Brush();
        canvas.SetColor(RGB(i % 256, 0, 0));
        alive += replaced && GetObjectType(replaced) != 0;
    }
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(GetObjectType(canvas.Brush()), static_cast<DWORD>(OBJ_BRUSH));
}
