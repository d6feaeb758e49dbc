#pragma once
// Moved to the shared test support; kept while work in progress still includes it here.
#include "support/DialogDriver.h"
