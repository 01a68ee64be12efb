#include "LUnitHost.h"

LUnitHost::~LUnitHost() = default;
