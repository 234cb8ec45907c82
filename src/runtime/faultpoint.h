#pragma once
// Named places inside a change of state where a test raises a program fault,
// to show that the change is undone on every way out and not only when a
// run-time error ends it. The program never arms a point: a pass through one
// costs a load and a comparison.
namespace rt {

// Raises rt::ProgramFault when the point named `where` is armed, and disarms
// it; does nothing otherwise.
void FaultPoint(const char* where);

// Tests: the next pass through the point named `where` raises a program
// fault (nullptr disarms). `where` must outlive the pass (a literal).
void ArmFaultPoint(const char* where);

}  // namespace rt
