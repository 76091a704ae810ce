#pragma once

#include "framework/design/DesignReader.h"
