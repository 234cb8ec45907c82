#pragma once
// Mouse pointers by number, as the forms set them: 0 default, 1 arrow,
// 2 cross, 3 I-beam, 5 and 15 four-way sizing, 6 diagonal sizing (top right
// to bottom left), 7 vertical sizing, 8 diagonal sizing (top left to bottom
// right), 9 horizontal sizing, 10 up arrow, 11 hourglass, 12 no drop,
// 13 arrow and hourglass, 14 arrow and question mark. Other numbers show the
// ordinary arrow.
//
// Three separate settings exist:
// - a control's own pointer (SetMousePointer on any widget, e.g. the motion
//   strip's sizing pointers or the main window's up arrow while a grid copy
//   waits for its target);
// - the screen pointer (Screen::SetMousePointer), which overrides every
//   control's pointer while it is not 0; it is one application-wide override
//   cursor, pushed once and popped when the pointer goes back to 0;
// - CMousePtr, the hourglass guard of long operations: SetPointer saves the
//   screen pointer the first time and sets the new one; the destructor puts
//   the saved pointer back, also when the operation leaves through an
//   exception. Nested guards restore in reverse order of their release; a
//   guard that never got SetPointer changes nothing.
#include <cstdint>
#include <optional>

class QWidget;

namespace plat {

// A control's own pointer; 0 lets it show its parent's pointer again.
void SetMousePointer(QWidget* widget, int pointer);
int MousePointerOf(const QWidget* widget);

namespace Screen {
int MousePointer();
void SetMousePointer(int pointer);
}  // namespace Screen

class CMousePtr {
public:
    CMousePtr() = default;
    ~CMousePtr();
    CMousePtr(const CMousePtr&) = delete;
    CMousePtr& operator=(const CMousePtr&) = delete;

    void SetPointer(int newPointer);

private:
    std::optional<int16_t> saved_;
};

}  // namespace plat
