#include "addin/TAddInModule.h"
#include "tests/support/Fixture.h"
