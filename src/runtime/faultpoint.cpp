#include "runtime/faultpoint.h"

#include <atomic>
#include <cstring>
#include <string>

#include "runtime/errors.h"

namespace rt {

namespace {
std::atomic<const char*> armed{nullptr};
}  // namespace

void FaultPoint(const char* where) {
    const char* a = armed.load(std::memory_order_relaxed);
    if (a == nullptr || std::strcmp(a, where) != 0) return;
    if (!armed.compare_exchange_strong(a, nullptr)) return;
    Fault(std::string("fault injected at ") + where);
}

void ArmFaultPoint(const char* where) { armed.store(where); }

}  // namespace rt
