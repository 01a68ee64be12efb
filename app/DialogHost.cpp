#include "DialogHost.h"

DialogHost::~DialogHost() = default;
