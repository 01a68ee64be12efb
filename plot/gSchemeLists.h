#pragma once
#include "Strings.h"

// The class of a colour-scheme list tells where its schemes came from: the
// user's theme file or the vendor's.
class TgUserSchemeList : public TStringList {
};

class TgTarvexSchemeList : public TStringList {
};
