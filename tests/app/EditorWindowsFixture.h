#pragma once
#include "EditorWindows.h"
#include "SimFrontEnd.h"
#include "TfmMain.h"

#include <gtest/gtest.h>

// The program's windows, made as the program makes them with their scan
// pointed at one loopback port, and gone with the test.
class EditorWindowsFixture : public testing::Test {
protected:
    static void CreateWindows(uint16_t Port)
    {
        TfmMain::connectOption = {true, "127.0.0.1", Port};
        CreateEditorWindows();
    }
    void TearDown() override
    {
        DestroyEditorWindows();
        TfmMain::connectOption = {};
    }
    // A port that refuses: bound to nothing once the simulator is gone.
    static uint16_t DeadPort()
    {
        SimTcp probe;
        return probe.Port();
    }
};

// The windows offline: the scan points at a port nothing listens on.
class OfflineEditorWindows : public EditorWindowsFixture {
protected:
    void SetUp() override { CreateWindows(DeadPort()); }
};
