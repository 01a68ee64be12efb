#pragma once
class TSmSplashScreen;

// Gives the splash the settings the main window's layout holds for it: a
// layered 622 x 352 window without fades showing the blue picture at the
// bottom centre, "TQ-62 DSP Processor Editor" and "Ver 1.0" in white, and the
// list line "Loading Program....". The caller brackets it with BeginLoading /
// EndLoading as a layout read does (EndLoading then shows the splash).
void LoadProgramSplashLayout(TSmSplashScreen *Splash);
