#pragma once
#include "EditorCurves.h"
#include "GainOverviewToggles.h"
#include "MonotonicClock.h"
#include "MyPEQType8.h"
#include "PageFixture.h"
#include "PageRefresh.h"
#include "PeqPage.h"
#include "RoundedControls.h"
#include "SmTrackBar.h"

#include <gtest/gtest.h>

// The timers' clock outlives the pages and their timers.
struct ManualTime {
    ManualClock clock;
    ScopedClock scope{clock};
};

struct PeqFixture : ::testing::Test, ManualTime, PageFixture {
    PeqFixture()
    {
        page.ApplyLanguage();
        Refresh();
        sent.clear();
    }
    // The window's full refresh as far as the EQ goes.
    void Refresh()
    {
        page.ClearPeqBandSelection();
        host.SetUpdatingControls(true);
        for (int c = 0; c < 12; ++c)
            c < 4 ? PageRefresh::Input(host, c, false) : PageRefresh::Output(host, c);
        host.SetUpdatingControls(false);
        for (int c = 0; c < 12; ++c)
            host.Curves().BuildChannel(c);
        page.RefreshCurves();
    }
    TMyPEQType8 *Table(int ch) { return Get<TMyPEQType8>(PageNames::SideName("peqPeq", ch)); }
    TSmTrackBar *Slider(const char *stem, int ch) { return Get<TSmTrackBar>(PageNames::SideName(stem, ch)); }
    QString Box(const char *stem, int ch) { return Get<TRoundedEdit>(PageNames::SideName(stem, ch))->Text(); }

    PeqPage &page = Add<PeqPage>();
    GainOverviewToggles &overviewToggles = Add<GainOverviewToggles>(); // the Gain page's toggles
};

