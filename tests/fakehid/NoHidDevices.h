#pragma once
// Keeps a whole test program away from the machine's HID devices: an empty
// fake bus is bound from before the first test to after the last, so a HID
// controller made anywhere (the main window's) enumerates nothing and never
// opens a real node. A test that plugs a device in makes a bus of its own,
// which stands in for the empty one while it lives.
// Register it once per program: testing::AddGlobalTestEnvironment(new NoHidDevices).

#include "FakeHidBus.h"

#include <gtest/gtest.h>

#include <memory>

class NoHidDevices : public testing::Environment {
public:
    void SetUp() override { bus = std::make_unique<FakeHidBus>(); }
    void TearDown() override { bus.reset(); }

private:
    std::unique_ptr<FakeHidBus> bus;
};
