// Screen pointer, the hourglass guard and control pointers.
#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QWidget>
#include <stdexcept>

#include "platform/mousepointer.h"

namespace {

using plat::CMousePtr;
namespace Screen = plat::Screen;

// The override cursor Qt shows, or -1 when there is none.
int OverrideShape() {
    const QCursor* c = QGuiApplication::overrideCursor();
    return c ? static_cast<int>(c->shape()) : -1;
}

class ScreenPointer : public ::testing::Test {
protected:
    void SetUp() override { Screen::SetMousePointer(0); }
    void TearDown() override { Screen::SetMousePointer(0); }
};

TEST_F(ScreenPointer, HourglassOverridesAndZeroRestores) {
    Screen::SetMousePointer(11);
    EXPECT_EQ(Screen::MousePointer(), 11);
    EXPECT_EQ(OverrideShape(), Qt::WaitCursor);
    Screen::SetMousePointer(2);  // changes the one override, pushes no second one
    EXPECT_EQ(OverrideShape(), Qt::CrossCursor);
    Screen::SetMousePointer(0);
    EXPECT_EQ(OverrideShape(), -1);
}

TEST_F(ScreenPointer, NestedGuardsRestoreInReverseOrder) {
    {
        CMousePtr outer;
        outer.SetPointer(11);
        {
            CMousePtr inner;
            inner.SetPointer(11);
            inner.SetPointer(2);  // a second call keeps the pointer saved first
            EXPECT_EQ(Screen::MousePointer(), 2);
        }
        EXPECT_EQ(Screen::MousePointer(), 11);
        EXPECT_EQ(OverrideShape(), Qt::WaitCursor);
    }
    EXPECT_EQ(Screen::MousePointer(), 0);
    EXPECT_EQ(OverrideShape(), -1);
}

TEST_F(ScreenPointer, GuardWithoutSetPointerChangesNothing) {
    Screen::SetMousePointer(11);
    { CMousePtr idle; }
    EXPECT_EQ(Screen::MousePointer(), 11);
    EXPECT_EQ(OverrideShape(), Qt::WaitCursor);
}

TEST_F(ScreenPointer, GuardRestoresWhenTheOperationFails) {
    auto failing = [] {
        CMousePtr guard;
        guard.SetPointer(11);
        throw std::runtime_error("fallo");
    };
    EXPECT_THROW(failing(), std::runtime_error);
    EXPECT_EQ(Screen::MousePointer(), 0);
    EXPECT_EQ(OverrideShape(), -1);
}

TEST_F(ScreenPointer, ControlPointerIsSeparateFromTheScreenPointer) {
    QWidget form;
    plat::SetMousePointer(&form, 10);
    EXPECT_EQ(plat::MousePointerOf(&form), 10);
    EXPECT_EQ(form.cursor().shape(), Qt::UpArrowCursor);
    {
        CMousePtr guard;
        guard.SetPointer(11);
        EXPECT_EQ(plat::MousePointerOf(&form), 10);
    }
    EXPECT_EQ(form.cursor().shape(), Qt::UpArrowCursor);
    plat::SetMousePointer(&form, 0);
    EXPECT_EQ(plat::MousePointerOf(&form), 0);
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
}

}  // namespace
