#pragma once
// Arms a fault point (runtime/faultpoint.h) for the life of the object: the
// next pass through the named point raises rt::ProgramFault. The point is
// disarmed at the end, so one that never fired reaches no other test.
//
//   testsupport::ArmedFaultPoint fault("particle solve");
//   button.click();  // the guard reports the fault
//   ... the state the handler changed is back ...
#include "runtime/faultpoint.h"

namespace testsupport {

class ArmedFaultPoint {
public:
    explicit ArmedFaultPoint(const char* where) { rt::ArmFaultPoint(where); }
    ~ArmedFaultPoint() { rt::ArmFaultPoint(nullptr); }
    ArmedFaultPoint(const ArmedFaultPoint&) = delete;
    ArmedFaultPoint& operator=(const ArmedFaultPoint&) = delete;
};

}  // namespace testsupport
