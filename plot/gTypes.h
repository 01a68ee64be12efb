#pragma once

// Enumerations shared across the plot library.
enum TgBevelStyle { ibsNone, ibsRaised, ibsLowered };
